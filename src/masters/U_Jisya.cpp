#include "U_Jisya.h"

TFrmJisya *FrmJisya = nullptr;

TFrmJisya::TFrmJisya() : Form(QStringLiteral("TFrmJisya"), QStringLiteral("作成者マスター"), 226, 107, 448, 430, 12) {}
