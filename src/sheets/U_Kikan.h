#pragma once

#include "platform/Form.h"

// The period picker "期間入力": six standard periods for a period box of sheet (2).
class TF_Kikan : public Form
{
    Q_OBJECT
public:
    TF_Kikan();
};

extern TF_Kikan *F_Kikan;
