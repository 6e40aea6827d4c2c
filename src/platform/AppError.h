#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one failure type of the program. It carries the message that the error box shows; event handlers
// catch it (see guardEvent) and the program goes on.
class AppError : public std::exception
{
public:
    explicit AppError(QString message);

    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// I/O failure messages by their code (2 file not found, 3 bad name, 4 too many files, 5 access denied,
// 100 read past the end, 101 disk full, 106 not a number, any other code "I/O エラー (code)").
QString ioErrorMessage(int code);
AppError ioError(int code);

// The code that an operating-system error number stands for in the table above.
int ioCodeFromErrno(int errnoValue);

// A file opened inside a guarded block whose clean-up closes it reports a failed open with this code:
// the clean-up closes a file that is not open, and that second failure replaces the first.
constexpr int GuardedOpenFailureCode = 103;

// A text longer than 100 characters is quoted by its first 100 and "…".
AppError notIntegerError(const QString &text);  // "'text' は整数ではありません"
AppError notDateTimeError(const QString &text); // "'text' は日付または時刻ではありません"
AppError notDateError(const QString &text);     // "'text' は日付ではありません"
AppError listIndexError(int index);             // "リストのインデックスが範囲を超えています (index)"

// The text of an error box: an ASCII full stop is appended unless the message ends in a character whose
// code is not above that of "." (so "I/O エラー (103)" stays as it is).
QString errorBoxText(const QString &message);
