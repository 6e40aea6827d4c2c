#include "U_Service.h"

TF_Service *F_Service = nullptr;

TF_Service::TF_Service() : Form(QStringLiteral("TF_Service"), QStringLiteral("サービスマスター"), 323, 206, 401, 436, 12) {}
