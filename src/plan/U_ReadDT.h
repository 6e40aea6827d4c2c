#pragma once

#include "platform/Form.h"

// The load window "読込データー指定": lists the plans of a data file and loads one into the editors.
class TF_ReadDT : public Form
{
    Q_OBJECT
public:
    TF_ReadDT();
};

extern TF_ReadDT *F_ReadDT;
