#pragma once

#include "masters/MasterForm.h"

// The creator master "作成者マスター": the care managers who write plans, with their offices (Jisya.txt). A record
// has 3 fields: office name, office address and the creator's name (the key).
class TFrmJisya : public MasterForm
{
    Q_OBJECT
public:
    TFrmJisya();
};

extern TFrmJisya *FrmJisya;
