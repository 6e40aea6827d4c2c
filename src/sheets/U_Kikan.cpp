#include "U_Kikan.h"

TF_Kikan *F_Kikan = nullptr;

TF_Kikan::TF_Kikan() : Form(QStringLiteral("TF_Kikan"), QStringLiteral("期間入力"), 192, 114, 123, 278, 12) {}
