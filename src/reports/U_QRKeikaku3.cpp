#include "U_QRKeikaku3.h"

TQR_Keikaku3 *QR_Keikaku3 = nullptr;
