#include "U_QRKeikaku2.h"

TQR_Keikaku2 *QR_Keikaku2 = nullptr;
