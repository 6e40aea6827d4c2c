#include "U_Keikaku1.h"

#include "plan/U_Gloval.h"

TF_Keikaku1 *F_Keikaku1 = nullptr;

TF_Keikaku1::TF_Keikaku1() : Form(QStringLiteral("TF_Keikaku1"), QStringLiteral("居宅サービス計画書（１）"), Plan1Left, Plan1Top, 824, 621, 12) {}

void TF_Keikaku1::FormClose()
{
    Plan1Top = y();
    Plan1Left = x();
}
