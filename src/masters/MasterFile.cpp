#include "MasterFile.h"

#include "platform/FileIo.h"

#include <QFileInfo>

namespace MasterFile {

QList<QByteArray> splitLines(const QByteArray &content, ZeroByte zeroByte)
{
    const qsizetype zero = content.indexOf('\0');
    const qsizetype end = zeroByte == ZeroByte::EndsText && zero >= 0 ? zero : content.size();

    QList<QByteArray> entries;
    qsizetype start = 0;
    while (start < end) {
        qsizetype i = start;
        while (i < end && content.at(i) != '\r' && content.at(i) != '\n')
            ++i;
        entries.append(content.mid(start, i - start));
        // CR LF is one line end; a lone CR or a lone LF is one as well.
        if (i < end && content.at(i) == '\r' && i + 1 < end && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    return entries;
}

QList<QByteArray> read(const QString &fileName, ZeroByte zeroByte)
{
    if (!QFileInfo::exists(fileName))
        return {};
    return splitLines(FileIo::readAll(fileName, FileIo::OpenFailure::ByCode), zeroByte);
}

void write(const QString &fileName, const QList<QByteArray> &entries)
{
    QByteArray content;
    for (const QByteArray &entry : entries)
        content.append(entry).append("\r\n");
    FileIo::replaceFile(fileName, content, QStringLiteral("ファイル %1 を作成できません").arg(fileName));
}

} // namespace MasterFile
