#pragma once

#include <QObject>

// The printed sheet (1).
class TQR_Keikaku1 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku1() { setObjectName(QStringLiteral("TQR_Keikaku1")); }
};

extern TQR_Keikaku1 *QR_Keikaku1;
