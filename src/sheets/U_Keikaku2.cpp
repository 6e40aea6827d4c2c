#include "U_Keikaku2.h"

#include "plan/U_Gloval.h"

TF_Keikaku2 *F_Keikaku2 = nullptr;

TF_Keikaku2::TF_Keikaku2() : Form(QStringLiteral("TF_Keikaku2"), QStringLiteral("居宅サービス計画書（２）"), Plan2Left, Plan2Top, 932, 625, 12) {}

void TF_Keikaku2::FormClose()
{
    Plan2Top = y();
    Plan2Left = x();
}
