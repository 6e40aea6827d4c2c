#pragma once

// Text routines and the values shared by all windows.
//
// Texts are code page 932 bytes exactly as the files hold them (QByteArray); the routines that read dates and
// control names take QString. None of them keeps state, and all return new values.

#include "platform/FileIo.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// ---- Settings, kept in Conf.txt (0 until the file is read) ----
extern qint32 InputMarkColor;        // background of a marked weekly cell on screen
extern qint32 PrintMarkColor;        // background of a marked weekly cell in print
extern qint32 InputServiceTextColor; // text of a marked weekly cell on screen
extern qint32 PrintServiceTextColor; // text of a marked weekly cell in print
extern qint32 Plan1Top;
extern qint32 Plan1Left;
extern qint32 Plan2Top;
extern qint32 Plan2Left;
extern qint32 WeeklyTop;
extern qint32 WeeklyLeft;

// ---- The plan being edited ----
extern QString CurrentUserName; // the user the plan is for; shown on sheet (2) and the weekly sheet
extern int PeriodTarget;        // the number 1 to 12 of the sheet (2) period box that the period picker fills

// ---- The weekly snapshot, taken when the weekly editor closes ----
constexpr int WeeklyCellCount = 168; // 7 days x 24 hour rows; cell k is Label(32 + k)
constexpr int WeeklyRowCount = 24;
extern std::array<QString, WeeklyCellCount> CellText;
extern std::array<quint8, WeeklyCellCount> CellMarked;       // 1: background was not white
extern std::array<quint8, WeeklyCellCount> CellTextColoured; // 1: text colour was not 0
extern std::array<quint8, WeeklyCellCount> CellHalf;         // 0 whole hour, 1 upper half, 2 lower half
extern std::array<QString, WeeklyRowCount> ActivityText;
extern quint8 SplitStage; // the one stage of the half-hour split cycle for the whole grid

// Short date text: the form in which the user master stores dates and from which era dates are made.
inline const QString ShortDateFormat = QStringLiteral("yyyy/MM/dd");

// ---- Text routines ----

// The n-th comma-separated piece of the line (1 = first); n <= 0 gives empty text.
QByteArray PickField(const QByteArray &line, int n);

// The last line of the file whose n-th piece equals the key byte for byte, or empty text.
// A missing file throws "ファイルが見つかりません".
QByteArray FindLineByField(const QString &fileName, const QByteArray &key, int n);

// A short date text ("2008/01/15", "2008/1/15", optionally followed by a time) as era date text
// ("平成20年1月15日"). A text that is not a date throws "'text' は日付または時刻ではありません".
QString EraDateText(const QString &dateText);

// The era date text of a date; throws like EraDateText for a date before 明治.
QString EraDateText(const QDate &date);

// CR becomes the marker "\", LF is dropped: the result holds no line break.
QByteArray EscapeLineBreaks(const QByteArray &text);

// Each "\" that stands as a character of its own becomes CR LF; double-byte characters are copied whole.
QByteArray UnescapeLineBreaks(const QByteArray &text);

// A decimal integer with an optional sign that fits 32 bits ("-20", "+5"), or nothing.
std::optional<qint32> ParseInteger(const QByteArray &text);

// The most characters a control shows of one text read from a file: the most an edit box holds. No save makes a
// longer field; a damaged file may hold megabytes in one, and laying those out would stall the program for minutes.
constexpr qsizetype MaxShownTextLength = 32767;

// A field read from a file, decoded as a control shows it: at most MaxShownTextLength characters.
QString ShownText(const QByteArray &field);

// The number after the first five characters of a control name ("Label45" gives 45).
int NumberFromName(const QString &name);

// One comma-separated line, each field that holds a control byte, a blank, a double quote or a comma enclosed
// in double quotes with its double quotes doubled.
QByteArray JoinFields(const QList<QByteArray> &fields);

// The fields of a line made by JoinFields; a blank outside double quotes separates fields like a comma.
QList<QByteArray> SplitFields(QByteArrayView line);

// The first at most maxFields fields of a line, split as SplitFields splits it; the rest is not looked at.
QList<QByteArray> SplitLeadingFields(QByteArrayView line, qsizetype maxFields);

// The lines of a text by the line-reading rule: a line ends at LF or CR LF, a lone CR is left out, a Ctrl-Z
// at the start of a line ends the text, and a line end at the very end starts no further line.
QList<QByteArray> SplitTextLines(const QByteArray &content);

// Reads a device line by line by the same rule, without holding more than one line in memory.
class LineReader
{
public:
    explicit LineReader(QIODevice *device) : m_device(device) {}

    // Stores the next line and returns true, or returns false at the end of the text.
    bool next(QByteArray &line);
    // The same without copying the line: the view stays valid until the next call.
    bool next(QByteArrayView &line);

private:
    // Reads the next block of the device after the unread part of the buffer; false when nothing is left to read.
    bool fill();

    QIODevice *m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

// The lines of a file by the line-reading rule.
QList<QByteArray> ReadTextLines(const QString &fileName, FileIo::OpenFailure failure);
