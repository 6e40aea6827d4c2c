#include "U_RyoM.h"

TF_RiyoM *F_RiyoM = nullptr;

TF_RiyoM::TF_RiyoM() : Form(QStringLiteral("TF_RiyoM"), QStringLiteral("利用者マスター"), 192, 114, 662, 566, 13) {}
