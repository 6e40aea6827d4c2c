#include "Dialogs.h"

#include "AppError.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace {

struct Recording
{
    bool active = false;
    QStringList messages;
    QStringList errors;
    int questions = 0;
    std::deque<bool> answers;
    std::deque<QString> fileNames;
    std::deque<std::optional<QColor>> colors;
    QList<QColor> colorStarts;
};

Recording &recording()
{
    static Recording r;
    return r;
}

QColor &lastConfirmedColor()
{
    static QColor color(Qt::black);
    return color;
}

// "CSVファイル|*.csv|TXTファイル|*.txt|すべて|*.*" as the dialog's name filters. "*.*" matches every file,
// also one without an extension.
QStringList nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = parts.at(i + 1) == QLatin1String("*.*") ? QStringLiteral("*") : parts.at(i + 1);
        filters.append(QStringLiteral("%1 (%2)").arg(parts.at(i), pattern));
    }
    return filters;
}

QString runFileDialog(QWidget *parent, const FileDialogOptions &options, QFileDialog::AcceptMode mode)
{
    Recording &r = recording();
    if (r.active) {
        if (r.fileNames.empty())
            return {};
        QString name = r.fileNames.front();
        r.fileNames.pop_front();
        return name;
    }
    QFileDialog dialog(parent, QString(), QDir::currentPath());
    dialog.setAcceptMode(mode);
    // A name that does not exist yet is accepted; saving appends, so an existing file needs no confirmation.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFilters(options.filter));
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The single button of a message or error box reads "OK", without the style's icon.
void plainOkButton(QMessageBox &box)
{
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setIcon(QIcon());
}

} // namespace

void showMessage(const QString &text)
{
    Recording &r = recording();
    if (r.active) {
        r.messages.append(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    plainOkButton(box);
    box.exec();
}

bool confirm(const QString &text)
{
    Recording &r = recording();
    if (r.active) {
        ++r.questions;
        if (r.answers.empty())
            return false;
        const bool yes = r.answers.front();
        r.answers.pop_front();
        return yes;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void showError(const QString &message)
{
    const QString text = errorBoxText(message);
    Recording &r = recording();
    if (r.active) {
        r.errors.append(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    plainOkButton(box);
    box.exec();
}

void guardEvent(const std::function<void()> &body)
{
    try {
        body();
    } catch (const AppError &error) {
        showError(error.message());
    }
}

QString chooseSaveFileName(QWidget *parent, const FileDialogOptions &options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

QString chooseOpenFileName(QWidget *parent, const FileDialogOptions &options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

std::optional<QColor> chooseColor(QWidget *parent)
{
    Recording &r = recording();
    std::optional<QColor> chosen;
    if (r.active) {
        r.colorStarts.append(lastConfirmedColor());
        if (!r.colors.empty()) {
            chosen = r.colors.front();
            r.colors.pop_front();
        }
    } else {
        const QColor color = QColorDialog::getColor(lastConfirmedColor(), parent);
        if (color.isValid())
            chosen = color;
    }
    if (chosen)
        lastConfirmedColor() = *chosen;
    return chosen;
}

namespace DialogHooks {

void startRecording()
{
    recording().active = true;
}

QStringList takeMessages()
{
    return std::exchange(recording().messages, {});
}

QStringList takeErrors()
{
    return std::exchange(recording().errors, {});
}

int takeQuestionCount()
{
    return std::exchange(recording().questions, 0);
}

void setNextAnswer(bool yes)
{
    recording().answers.push_back(yes);
}

void setNextFileName(const QString &fileName)
{
    recording().fileNames.push_back(fileName);
}

void setNextColor(std::optional<QColor> color)
{
    recording().colors.push_back(color);
}

QList<QColor> takeColorDialogStarts()
{
    return std::exchange(recording().colorStarts, {});
}

} // namespace DialogHooks
