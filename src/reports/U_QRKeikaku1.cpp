#include "U_QRKeikaku1.h"

TQR_Keikaku1 *QR_Keikaku1 = nullptr;
