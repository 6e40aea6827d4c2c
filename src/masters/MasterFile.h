#pragma once

// The master files: Riyou.txt (users), Jisya.txt (creators and their offices) and Service.txt (services), one
// entry per line in code page 932, in the current directory. Entries are kept as the bytes read, so that a line
// nobody changed is written back exactly, even one that is not valid code page 932.

#include <QByteArray>
#include <QList>
#include <QString>

inline const QString RiyouFileName = QStringLiteral("Riyou.txt");
inline const QString JisyaFileName = QStringLiteral("Jisya.txt");
inline const QString ServiceFileName = QStringLiteral("Service.txt");

namespace MasterFile {

enum class ZeroByte {
    InLine,   // a zero byte is a byte of its line like any other
    EndsText, // the text ends at the first zero byte (Service.txt)
};

// The entries of a master file's content: CR LF, a lone CR and a lone LF each end a line; an empty line is an
// entry of its own; a line end at the very end of the text starts no further entry.
QList<QByteArray> splitLines(const QByteArray &content, ZeroByte zeroByte);

// The entries of a master file; a missing file is an empty list. A file that exists but cannot be read throws.
QList<QByteArray> read(const QString &fileName, ZeroByte zeroByte);

// Replaces the file by the entries, each followed by CR LF, through a temporary file so that a failure leaves
// the old file whole. Throws "ファイル <name> を作成できません" when the file cannot be created, or the I/O
// message of a failure while writing.
void write(const QString &fileName, const QList<QByteArray> &entries);

} // namespace MasterFile
