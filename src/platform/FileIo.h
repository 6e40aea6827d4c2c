#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

// Opening, reading and replacing files with the program's failure messages.
namespace FileIo {

enum class OpenFailure {
    ByCode,  // a failed open reports its own code ("ファイルが見つかりません" for a missing file)
    Guarded, // a failed open inside a guarded block reports "I/O エラー (103)"
};

// Opens a file for reading; throws AppError when it cannot be opened. Only a regular file is opened: a folder, a
// pipe or a device is refused as a folder is ("ファイルへのアクセスが拒否されました").
std::unique_ptr<QFile> openForReading(const QString &fileName, OpenFailure failure);

// The whole content of a file.
QByteArray readAll(const QString &fileName, OpenFailure failure);

// Replaces the whole file by the content, through a temporary file in the same folder and a rename, so that a
// failure leaves the old file whole. A file or folder that cannot be written throws AppError with
// createFailureMessage; a failure while writing (a full disk) throws the I/O message of its code.
void replaceFile(const QString &fileName, const QByteArray &content, const QString &createFailureMessage);

} // namespace FileIo
