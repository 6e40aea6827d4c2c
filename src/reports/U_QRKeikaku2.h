#pragma once

#include "shell/PageModel.h"

#include <QObject>

// The printed sheet (2): the page is built once; PrintPlan2 copies the sheet (2) editor, the user's name and the
// plan's creation date into it and shows it in the print preview.
class TQR_Keikaku2 : public QObject
{
    Q_OBJECT
public:
    TQR_Keikaku2();

    // Fills every element that the editor feeds, replacing what it held, and shows the preview; returns when
    // the preview is closed.
    void PrintPlan2();

    Report QuickRep1;
};

extern TQR_Keikaku2 *QR_Keikaku2;
