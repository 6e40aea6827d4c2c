#pragma once

#include "shell/PageModel.h"

#include <QObject>

// The printed weekly plan: the page is built once; PrintWeeklyPlan fills it from the weekly snapshot, the weekly
// editor's memo, the user's name and the plan date, and shows it in the print preview.
class TQR_Keikaku3 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku3();

    // Fills every element that the plan feeds, replacing what it held (the 168 cells with their colours, places
    // and character heights), and shows the preview; returns when the preview is closed.
    void PrintWeeklyPlan();

    Report QuickRep1;
};

extern TQR_Keikaku3 *QR_Keikaku3;
