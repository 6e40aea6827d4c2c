#pragma once

#include "platform/Form.h"

// The weekly plan editor "週間サービス計画表"; its place on the screen is kept in WeeklyLeft and WeeklyTop.
class TF_Keikaku3 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku3();

protected:
    void FormClose() override;
};

extern TF_Keikaku3 *F_Keikaku3;
