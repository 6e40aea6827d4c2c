#pragma once

#include "masters/MasterForm.h"

// The user master "利用者マスター": the care recipients for whom plans are written (Riyou.txt). A record has 11
// fields: number, name (the key), date of birth, address, kind of plan, certification state, certification date,
// first and last day of validity, care level and the reason for livelihood-support-centred help.
class TF_RiyoM : public MasterForm
{
    Q_OBJECT
public:
    TF_RiyoM();
};

extern TF_RiyoM *F_RiyoM;
