#pragma once

#include "platform/Form.h"

class QListWidget;

// The period picker "期間入力": six standard periods for a period box of sheet (2). A double-click on a period
// writes it into the box numbered PeriodTarget and closes the picker; the list keeps its selection between
// showings.
class TF_Kikan : public Form
{
    Q_OBJECT
public:
    TF_Kikan();

    void ListBox1DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_periods = nullptr; // ListBox1
};

extern TF_Kikan *F_Kikan;
