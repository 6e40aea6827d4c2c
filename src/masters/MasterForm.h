#pragma once

#include "masters/MasterFile.h"
#include "plan/U_Gloval.h"
#include "platform/Form.h"

#include <QListWidget>

class QPushButton;


// The list box of a master window, one entry per line of the master file. An entry shows its line decoded and
// keeps the line's bytes (LineRole). The list tells when the user selects an entry: a click on an entry, also on
// the one already selected, or a move of the selection with the mouse or the keyboard; changes made by the
// program are not told.
class MasterListBox : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int LineRole = Qt::UserRole;

    explicit MasterListBox(QWidget *parent);

    QListWidgetItem *selectedEntry() const; // nullptr when no entry is selected
    static QByteArray lineOf(const QListWidgetItem *entry);
    static void setLine(QListWidgetItem *entry, const QByteArray &line);
    void appendLine(const QByteArray &line);
    QList<QByteArray> lines() const; // the lines of all entries, in list order

signals:
    void entrySelected();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tellIfMoved(const QListWidgetItem *before);
};

// One field of a master record and the control that holds it.
struct MasterField
{
    QWidget *control; // a QLineEdit, a QComboBox (its edit text) or a QDateEdit (its date as short date text)
    QString name;     // the field's label, which names it in messages
};

// What the three master windows share. The list is read from the master file once, when the window is made.
// Selecting an entry fills the field controls from its line; "追加" and "編集" build a line from them (the fields
// joined by commas), "削除" removes an entry after asking, "書込" writes the whole list to the file, "戻る" hides
// the window. Each window makes its own controls and hands them over in FormCreate.
class MasterForm : public Form
{
    Q_OBJECT
protected:
    enum class Commas {
        Refused, // a comma inside a field would shift the later fields when the line is read back
        Kept,    // the window has one field, and a comma starts a note that selecting leaves out
    };
    struct Buttons
    {
        QPushButton *add;
        QPushButton *modify;
        QPushButton *remove;
        QPushButton *write;
        QPushButton *back;
    };

    MasterForm(const QString &name, const QString &caption, int outerLeft, int outerTop, int outerWidth,
               int outerHeight, int fontPixels, const QString &fileName, MasterFile::ZeroByte zeroByte, Commas commas);

    // Window creation, once the window's controls exist: connects the list and the buttons, empties the text
    // controls and loads the master file (a missing file is an empty list, without a message).
    void FormCreate(MasterListBox *list, const QList<MasterField> &fields, const Buttons &buttons);

    // A push button 25 pixels high.
    QPushButton *addButton(const QString &name, const QString &caption, int left, int top, int width);

private:
    void ListBox1Click();
    void addClick();
    void modifyClick();
    void deleteClick();
    void writeClick();

    // The line built from the field controls, or nothing when a field is refused (its message has been shown).
    std::optional<QByteArray> lineFromFields() const;
    void clearTextFields();

    const QString m_fileName;
    const MasterFile::ZeroByte m_zeroByte;
    const Commas m_commas;
    MasterListBox *m_list = nullptr;
    QList<MasterField> m_fields;
};
