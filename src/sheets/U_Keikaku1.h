#pragma once

#include "platform/Form.h"

// The editor of sheet (1) "居宅サービス計画書（１）"; its place on the screen is kept in Plan1Left and Plan1Top.
class TF_Keikaku1 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku1();

protected:
    void FormClose() override;
};

extern TF_Keikaku1 *F_Keikaku1;
