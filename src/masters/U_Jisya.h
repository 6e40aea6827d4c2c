#pragma once

#include "platform/Form.h"

// The creator master "作成者マスター": the care managers who write plans, with their offices (Jisya.txt).
class TFrmJisya : public Form
{
    Q_OBJECT
public:
    TFrmJisya();
};

extern TFrmJisya *FrmJisya;
