#include "U_Gloval.h"

#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/EraCalendar.h"

#include <QBuffer>
#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

qint32 InputMarkColor = 0;
qint32 PrintMarkColor = 0;
qint32 InputServiceTextColor = 0;
qint32 PrintServiceTextColor = 0;
qint32 Plan1Top = 0;
qint32 Plan1Left = 0;
qint32 Plan2Top = 0;
qint32 Plan2Left = 0;
qint32 WeeklyTop = 0;
qint32 WeeklyLeft = 0;

QString CurrentUserName;
int PeriodTarget = 0;

std::array<QString, WeeklyCellCount> CellText;
std::array<quint8, WeeklyCellCount> CellMarked{};
std::array<quint8, WeeklyCellCount> CellTextColoured{};
std::array<quint8, WeeklyCellCount> CellHalf{};
std::array<QString, WeeklyRowCount> ActivityText;
quint8 SplitStage = 0;

namespace {

constexpr char LineBreakMarker = '\\';
constexpr char Quote = '"';
constexpr char CtrlZ = 0x1A;

// Bytes 0x01 to 0x20: control characters and the blank, which SplitFields skips around fields.
bool isBlankByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x01 && b <= 0x20;
}

// A byte that makes JoinFields quote a field. NUL is quoted as well, so that a field holding one splits back whole.
bool needsQuoting(char c)
{
    return static_cast<unsigned char>(c) <= 0x20 || c == Quote || c == ',';
}

} // namespace

QByteArray PickField(const QByteArray &line, int n)
{
    QByteArray rest = line;
    QByteArray result;
    while (n > 0) {
        const qsizetype comma = rest.indexOf(',');
        if (comma < 0) {
            if (n == 1)
                result = rest;
            break;
        }
        result = rest.left(comma);
        rest = rest.mid(comma + 1);
        --n;
    }
    return result;
}

QByteArray FindLineByField(const QString &fileName, const QByteArray &key, int n)
{
    const auto file = FileIo::openForReading(fileName, FileIo::OpenFailure::ByCode);
    LineReader reader(file.get());
    QByteArray result;
    QByteArray line;
    while (reader.next(line)) {
        if (PickField(line, n) == key)
            result = line;
    }
    return result;
}

QString EraDateText(const QString &dateText)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{4})/(\d{1,2})/(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch m = pattern.match(dateText);
    if (!m.hasMatch())
        throw notDateTimeError(dateText);
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const bool timeValid = !m.hasCaptured(4) || QTime::isValid(m.captured(4).toInt(), m.captured(5).toInt(),
                                                                m.hasCaptured(6) ? m.captured(6).toInt() : 0);
    const auto era = EraCalendar::eraYearOf(date);
    if (!timeValid || !era)
        throw notDateTimeError(dateText);
    return QStringLiteral("%1%2年%3月%4日")
        .arg(era->eraName, QString::number(era->year).rightJustified(2, u'0'), QString::number(date.month()),
             QString::number(date.day()));
}

QString EraDateText(const QDate &date)
{
    return EraDateText(date.toString(ShortDateFormat));
}

QByteArray EscapeLineBreaks(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            result.append(LineBreakMarker);
        else if (c != '\n')
            result.append(c);
    }
    return result;
}

QByteArray UnescapeLineBreaks(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (Cp932::isLeadByte(c) && i + 1 < text.size()) {
            // The second byte of a double-byte character may be 0x5C (表, 能, ―): never a marker.
            result.append(c).append(text.at(++i));
        } else if (c == LineBreakMarker) {
            result.append("\r\n");
        } else {
            result.append(c);
        }
    }
    return result;
}

std::optional<qint32> ParseInteger(const QByteArray &text)
{
    const char *begin = text.constBegin();
    const char *end = text.constEnd();
    if (end - begin > 1 && *begin == '+' && begin[1] != '-')
        ++begin;
    qint32 value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, 10);
    if (begin == end || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

QString ShownText(const QByteArray &field)
{
    // No character takes more than two bytes, so the bytes beyond twice the length are never shown.
    return Cp932::decode(field.left(2 * MaxShownTextLength)).left(MaxShownTextLength);
}

int NumberFromName(const QString &name)
{
    const QString rest = name.mid(5);
    bool ok = false;
    const int number = rest.toInt(&ok, 10);
    if (!ok)
        throw notIntegerError(rest);
    return number;
}

// Join and split walk bytes, not characters: a valid second byte of a double-byte character is never a
// control byte, blank, double quote or comma, so both walks find the same delimiters in valid text, and the
// byte walk keeps damaged text from swallowing a delimiter.

QByteArray JoinFields(const QList<QByteArray> &fields)
{
    if (fields.size() == 1 && fields.front().isEmpty())
        return QByteArray(2, Quote);
    QByteArray line;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const QByteArray &field = fields.at(f);
        if (f > 0)
            line.append(',');
        if (std::any_of(field.begin(), field.end(), needsQuoting)) {
            line.append(Quote);
            for (const char c : field) {
                if (c == Quote)
                    line.append(Quote);
                line.append(c);
            }
            line.append(Quote);
        } else {
            line.append(field);
        }
    }
    return line;
}

QList<QByteArray> SplitFields(QByteArrayView line)
{
    return SplitLeadingFields(line, std::numeric_limits<qsizetype>::max());
}

QList<QByteArray> SplitLeadingFields(QByteArrayView line, qsizetype maxFields)
{
    QList<QByteArray> fields;
    fields.reserve(qMin(maxFields, qsizetype(16)));
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlankByte(line.at(i)))
            ++i;
    };
    skipBlanks();
    // A NUL outside double quotes ends the line, as it ends a text of the controls.
    while (i < n && line.at(i) != '\0' && fields.size() < maxFields) {
        QByteArray field;
        if (line.at(i) == Quote) {
            // Up to the closing double quote; a doubled one stands for one double quote in the field.
            ++i;
            while (i < n) {
                const qsizetype quote = line.indexOf(Quote, i);
                const qsizetype end = quote < 0 ? n : quote;
                field.append(line.sliced(i, end - i));
                i = end + 1;
                if (quote < 0 || i >= n || line.at(i) != Quote)
                    break;
                field.append(Quote);
                ++i;
            }
            i = qMin(i, n);
        } else {
            const qsizetype start = i;
            while (i < n && static_cast<unsigned char>(line.at(i)) > 0x20 && line.at(i) != ',')
                ++i;
            field = line.sliced(start, i - start).toByteArray();
        }
        fields.append(field);
        skipBlanks();
        if (i < n && line.at(i) == ',') {
            if (i == n - 1 && fields.size() < maxFields)
                fields.append(QByteArray());
            ++i;
            skipBlanks();
        }
    }
    return fields;
}

namespace {

constexpr qint64 ReadChunk = 1 << 20;

} // namespace

bool LineReader::fill()
{
    // The unread rest moves to the front and the next block is read in after it, into the same buffer.
    const qsizetype kept = m_buffer.size() - m_pos;
    std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(kept));
    m_pos = 0;
    m_buffer.resize(kept + ReadChunk);
    const qint64 read = m_device->read(m_buffer.data() + kept, ReadChunk);
    m_buffer.resize(kept + qMax<qint64>(read, 0));
    return read > 0;
}

bool LineReader::next(QByteArrayView &line)
{
    if (m_pos >= m_buffer.size() && !fill())
        return false;
    if (m_buffer.at(m_pos) == CtrlZ)
        return false;
    // The line runs to the next LF, reading on until one is found or the device has nothing more.
    qsizetype searched = m_pos;
    const char *lf = nullptr;
    while (!(lf = static_cast<const char *>(
                 std::memchr(m_buffer.constData() + searched, '\n', size_t(m_buffer.size() - searched))))) {
        searched = m_buffer.size() - m_pos;
        if (!fill())
            break;
    }
    char *start = m_buffer.data() + m_pos;
    const qsizetype length = lf ? lf - start : m_buffer.size() - m_pos;
    m_pos += length + (lf ? 1 : 0);
    // The CR of a CR LF ends the line with its LF; a lone CR is left out of the line, here in the buffer itself,
    // whose bytes of this line are not read again.
    qsizetype body = length > 0 && start[length - 1] == '\r' ? length - 1 : length;
    if (std::memchr(start, '\r', size_t(body)))
        body = std::remove(start, start + body, '\r') - start;
    line = QByteArrayView(start, body);
    return true;
}

bool LineReader::next(QByteArray &line)
{
    QByteArrayView view;
    if (!next(view))
        return false;
    line = view.toByteArray();
    return true;
}

QList<QByteArray> SplitTextLines(const QByteArray &content)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(&buffer);
    QList<QByteArray> lines;
    QByteArray line;
    while (reader.next(line))
        lines.append(line);
    return lines;
}

QList<QByteArray> ReadTextLines(const QString &fileName, FileIo::OpenFailure failure)
{
    const auto file = FileIo::openForReading(fileName, failure);
    LineReader reader(file.get());
    QList<QByteArray> lines;
    QByteArray line;
    while (reader.next(line))
        lines.append(line);
    return lines;
}
