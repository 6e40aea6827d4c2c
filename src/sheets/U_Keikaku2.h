#pragma once

#include "platform/Form.h"

class QLabel;
class QLineEdit;

// The editor of sheet (2) "居宅サービス計画書（２）": the table of four needs with their goals, periods and
// services. The sheet lives in its controls alone (Memo1 … Memo28, Edit1 … Edit12, Label19 … Label22), which
// saving, loading and the printout find by name. A right click on a period box opens the period picker for it.
// Its place on the screen is kept in Plan2Left and Plan2Top.
class TF_Keikaku2 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku2();

    void Button1Click();
    // Label19DblClick … Label22DblClick: toggles the benefit mark of that label.
    void LabelDblClick(QLabel *mark);
    // Edit1MouseDown … Edit12MouseDown, for the period box numbered number.
    void EditMouseDown(int number, Qt::MouseButton button);

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_userName = nullptr; // Label3
    QList<QLineEdit *> m_periods; // Edit1 … Edit12
};

extern TF_Keikaku2 *F_Keikaku2;
