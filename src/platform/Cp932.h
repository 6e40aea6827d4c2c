#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (Shift-JIS as Windows has it), the encoding of every file the program reads and writes.
namespace Cp932 {

// Bytes to text. A byte sequence that code page 932 does not define becomes U+FFFD; code that must keep
// such bytes keeps the original QByteArray.
QString decode(const QByteArray &bytes);

// Text to bytes. Throws AppError naming the first character that code page 932 cannot hold.
QByteArray encode(const QString &text);

// The first character of the text that code page 932 cannot hold, as a string, or an empty string.
QString firstUnencodable(const QString &text);

// The message with which a character that code page 932 cannot hold is refused.
QString unencodableMessage(const QString &character);

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
inline bool isLeadByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The longest beginning of the text that takes at most maxBytes bytes in code page 932, never ending inside a
// character (a character that code page 932 cannot hold counts as two bytes).
QString cutToBytes(const QString &text, int maxBytes);

} // namespace Cp932
