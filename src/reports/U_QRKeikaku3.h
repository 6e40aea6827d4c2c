#pragma once

#include <QObject>

// The printed weekly plan.
class TQR_Keikaku3 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku3() { setObjectName(QStringLiteral("TQR_Keikaku3")); }
};

extern TQR_Keikaku3 *QR_Keikaku3;
