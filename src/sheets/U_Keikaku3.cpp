#include "U_Keikaku3.h"

#include "plan/U_Gloval.h"

TF_Keikaku3 *F_Keikaku3 = nullptr;

TF_Keikaku3::TF_Keikaku3() : Form(QStringLiteral("TF_Keikaku3"), QStringLiteral("週間サービス計画表"), WeeklyLeft, WeeklyTop, 891, 699, 12) {}

void TF_Keikaku3::FormClose()
{
    WeeklyTop = y();
    WeeklyLeft = x();
}
