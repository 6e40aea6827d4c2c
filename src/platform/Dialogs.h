#pragma once

// Message boxes and common dialogs of the program. Tests answer them in advance through the hooks at the end,
// so that no test waits for a person; while answers are being recorded, boxes are logged instead of shown.

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// The program's title: the caption of its message and error boxes.
inline const QString ApplicationTitle = QStringLiteral("居宅介護サービス計画書");

// A plain message: caption the application title, the text, one "OK" button, no icon.
void showMessage(const QString &text);

// The question "確認" with the buttons "はい(&Y)" and "いいえ(&N)"; true for "はい(&Y)".
bool confirm(const QString &text);

// The error box: caption the application title, error icon, "OK", the message with its full stop.
void showError(const QString &message);

// Runs the body of an event handler; a failure (AppError) is shown in the error box and the event is abandoned.
void guardEvent(const std::function<void()> &body);

// The file dialogs of the program. The filter is written as "名前|*.csv|名前|*.txt"; the dialog opens in the
// process's current directory. An empty result means the user cancelled.
struct FileDialogOptions
{
    QString filter;
    QString defaultSuffix; // added to a name typed without one; empty for none
};
QString chooseSaveFileName(QWidget *parent, const FileDialogOptions &options);
QString chooseOpenFileName(QWidget *parent, const FileDialogOptions &options);

// The colour dialog: starts with the colour last confirmed in it during this run (black at first) and keeps its
// custom colours for the run. Nothing when the user cancels.
std::optional<QColor> chooseColor(QWidget *parent);

// ---- Hooks for tests ----
namespace DialogHooks {
// Starts recording: message and error boxes are logged instead of shown, and questions and dialogs take the
// answers given in advance (a question without an answer is answered "いいえ(&N)", a dialog is cancelled).
void startRecording();
QStringList takeMessages(); // the plain messages shown since the last call
QStringList takeErrors();   // the error boxes' texts (with their full stops) since the last call
int takeQuestionCount();    // the confirmations asked since the last call
void setNextAnswer(bool yes);
void setNextFileName(const QString &fileName); // empty: the dialog is cancelled
void setNextColor(std::optional<QColor> color); // nothing: the dialog is cancelled
QList<QColor> takeColorDialogStarts();           // the colours the colour dialog opened with since the last call
} // namespace DialogHooks
