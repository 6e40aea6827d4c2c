#include "AppError.h"

#include <cerrno>

AppError::AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

QString ioErrorMessage(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("ファイルが見つかりません");
    case 3:
        return QStringLiteral("不正なファイル名です");
    case 4:
        return QStringLiteral("オープンしたファイルが多すぎます");
    case 5:
        return QStringLiteral("ファイルへのアクセスが拒否されました");
    case 100:
        return QStringLiteral("ファイルの末尾以降を読み込みました");
    case 101:
        return QStringLiteral("ディスクがいっぱいです");
    case 106:
        return QStringLiteral("入力値が数値ではありません");
    default:
        return QStringLiteral("I/O エラー (%1)").arg(code);
    }
}

AppError ioError(int code)
{
    return AppError(ioErrorMessage(code));
}

int ioCodeFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 101;
    case EIO:
        return 1117; // the device's own I/O failure, kept apart from "access denied" (5)
    default:
        return errnoValue;
    }
}

namespace {

// The text a message quotes. A field of a damaged file may hold megabytes, which no message box lays out in
// reasonable time: a long text is quoted by its beginning and "…".
QString quoted(const QString &text)
{
    constexpr qsizetype MaxQuotedLength = 100;
    return text.size() <= MaxQuotedLength ? text : text.left(MaxQuotedLength) + u'…';
}

} // namespace

AppError notIntegerError(const QString &text)
{
    return AppError(QStringLiteral("'%1' は整数ではありません").arg(quoted(text)));
}

AppError notDateTimeError(const QString &text)
{
    return AppError(QStringLiteral("'%1' は日付または時刻ではありません").arg(quoted(text)));
}

AppError notDateError(const QString &text)
{
    return AppError(QStringLiteral("'%1' は日付ではありません").arg(quoted(text)));
}

AppError listIndexError(int index)
{
    return AppError(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}
