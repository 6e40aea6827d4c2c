#pragma once

#include "PlanFile.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"

class QLabel;
class QListWidget;

// The load window "読込データー指定": "ファイル選択" lists the plans of a data file, one entry per line; a double
// click on an entry puts that plan back into the three editors and closes the window.
class TF_ReadDT : public Form
{
    Q_OBJECT
public:
    TF_ReadDT();

    const FileDialogOptions OpenDialog1{QStringLiteral("CSVファイル|*.csv|TXTファイル|*.txt|すべて|*.*"), QString()};

    void Button1Click();
    void ListBox1DblClick();

    QString chosenDataFileName() const { return m_chosenDataFileName; }

private:
    QListWidget *m_list;
    QLabel *m_hint; // Label1
    QList<PlanEntry> m_entries; // beside the list's rows, the keys each entry was made from
    QString m_chosenDataFileName;
};

extern TF_ReadDT *F_ReadDT;
