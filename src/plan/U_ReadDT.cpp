#include "U_ReadDT.h"

TF_ReadDT *F_ReadDT = nullptr;

TF_ReadDT::TF_ReadDT() : Form(QStringLiteral("TF_ReadDT"), QStringLiteral("読込データー指定"), 275, 116, 461, 480, 12) {}
