#pragma once

#include "platform/Form.h"

// The editor of sheet (2) "居宅サービス計画書（２）"; its place on the screen is kept in Plan2Left and Plan2Top.
class TF_Keikaku2 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku2();

protected:
    void FormClose() override;
};

extern TF_Keikaku2 *F_Keikaku2;
