#pragma once

#include "platform/Form.h"

// The user master "利用者マスター": the care recipients for whom plans are written (Riyou.txt).
class TF_RiyoM : public Form
{
    Q_OBJECT
public:
    TF_RiyoM();
};

extern TF_RiyoM *F_RiyoM;
