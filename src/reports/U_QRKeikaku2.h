#pragma once

#include <QObject>

// The printed sheet (2).
class TQR_Keikaku2 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku2() { setObjectName(QStringLiteral("TQR_Keikaku2")); }
};

extern TQR_Keikaku2 *QR_Keikaku2;
