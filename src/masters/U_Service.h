#pragma once

#include "platform/Form.h"

// The service master "サービスマスター": the service names with which the weekly grid is marked (Service.txt).
class TF_Service : public Form
{
    Q_OBJECT
public:
    TF_Service();
};

extern TF_Service *F_Service;
