#pragma once

#include "masters/MasterForm.h"

class QLineEdit;

// The service master "サービスマスター": the service names with which the weekly grid is marked (Service.txt).
// Its name box Edit1 holds the current service name: selecting an entry puts the entry's text up to its first
// comma there, and the weekly editor reads it at each marking click.
class TF_Service : public MasterForm
{
    Q_OBJECT
public:
    TF_Service();

    QLineEdit *Edit1;
};

extern TF_Service *F_Service;
