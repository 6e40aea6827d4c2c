#pragma once

#include "shell/PageModel.h"

#include <QObject>

// The printed sheet (1): the page is built once; PrintPlan1 copies the sheet (1) editor into it and shows it
// in the print preview.
class TQR_Keikaku1 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku1();

    // Fills every element that the editor feeds, replacing what it held, and shows the preview; returns when
    // the preview is closed.
    void PrintPlan1();

    Report QuickRep1;
};

extern TQR_Keikaku1 *QR_Keikaku1;
