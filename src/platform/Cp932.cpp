#include "Cp932.h"

#include "AppError.h"

#include <cerrno>
#include <iconv.h>
#include <QList>

#include <cstring>

// glibc's "CP932" converter decodes and encodes like Windows, except for five single bytes that Windows maps
// to U+0080 and to private-use characters; those are handled here.

namespace {

iconv_t converter(const char *to, const char *from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        qFatal("iconv cannot convert between %s and %s", from, to);
    return cd;
}

char16_t decodeSingleByte(unsigned char b)
{
    switch (b) {
    case 0x80:
        return 0x0080;
    case 0xA0:
        return 0xF8F0;
    case 0xFD:
        return 0xF8F1;
    case 0xFE:
        return 0xF8F2;
    case 0xFF:
        return 0xF8F3;
    default:
        return 0xFFFD;
    }
}

int encodeSingleByte(char16_t c)
{
    switch (c) {
    case 0x0080:
        return 0x80;
    case 0xF8F0:
        return 0xA0;
    case 0xF8F1:
        return 0xFD;
    case 0xF8F2:
        return 0xFE;
    case 0xF8F3:
        return 0xFF;
    default:
        return -1;
    }
}

// Encodes the text; on the first character that code page 932 cannot hold, stores it in *bad and stops.
QByteArray encodeOrStop(const QString &text, QString *bad)
{
    static iconv_t cd = converter("CP932", "UTF-16LE");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    QByteArray out(text.size() * 2, Qt::Uninitialized);
    auto *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = size_t(text.size()) * 2;
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        const qsizetype index = text.size() - qsizetype(inLeft / 2);
        const char16_t c = text.at(index).unicode();
        const int single = encodeSingleByte(c);
        if (single < 0) {
            // Name the whole character, also when it is a surrogate pair (𠮷, emoji).
            const bool pair = QChar::isHighSurrogate(c) && index + 1 < text.size() &&
                              QChar::isLowSurrogate(text.at(index + 1).unicode());
            *bad = text.mid(index, pair ? 2 : 1);
            return {};
        }
        *outPtr++ = char(single);
        --outLeft;
        in += 2;
        inLeft -= 2;
    }
    out.truncate(outPtr - out.data());
    return out;
}

} // namespace

namespace Cp932 {

QString decode(const QByteArray &bytes)
{
    static iconv_t cd = converter("UTF-16LE", "CP932");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    // Every character of code page 932 is one UTF-16 unit, so the text is never longer than the bytes.
    QString out(bytes.size(), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    auto *outPtr = reinterpret_cast<char *>(out.data());
    size_t outLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        // An undefined or incomplete sequence: one byte becomes one character and decoding goes on.
        const char16_t c = decodeSingleByte(static_cast<unsigned char>(*in));
        memcpy(outPtr, &c, 2);
        outPtr += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
    }
    out.truncate((outPtr - reinterpret_cast<char *>(out.data())) / 2);
    return out;
}

QByteArray encode(const QString &text)
{
    QString bad;
    QByteArray bytes = encodeOrStop(text, &bad);
    if (!bad.isEmpty())
        throw AppError(unencodableMessage(bad));
    return bytes;
}

QString firstUnencodable(const QString &text)
{
    QString bad;
    encodeOrStop(text, &bad);
    return bad;
}

QString unencodableMessage(const QString &character)
{
    const char32_t code = character.toUcs4().value(0);
    return QStringLiteral("文字「%1」(U+%2) はシフトJISで保存できないため使えません")
        .arg(character, QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

QString cutToBytes(const QString &text, int maxBytes)
{
    qsizetype i = 0;
    int bytes = 0;
    while (i < text.size()) {
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString bad;
        const qsizetype size = encodeOrStop(text.mid(i, units), &bad).size();
        bytes += bad.isEmpty() ? int(size) : 2;
        if (bytes > maxBytes)
            break;
        i += units;
    }
    return text.left(i);
}

} // namespace Cp932
