#pragma once

#include "platform/Form.h"

// The version window "version 情報": the program's name, a one-line notice and its version.
class TF_Version : public Form
{
    Q_OBJECT
public:
    TF_Version();
};

extern TF_Version *F_Version;
