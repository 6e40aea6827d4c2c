#include "FileIo.h"

#include "AppError.h"


#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all bytes, going on after short writes; returns false with errno set on failure.
bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The file that a name stands for: a symbolic link is followed, so that replacing writes its target.
QByteArray resolvedPath(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved))
        return QByteArray(resolved);
    return path;
}

} // namespace

namespace FileIo {

std::unique_ptr<QFile> openForReading(const QString &fileName, OpenFailure failure)
{
    const QByteArray path = QFile::encodeName(fileName);
    // Without waiting: opening a named pipe would wait for a writer. The flag changes nothing for a regular file.
    int fd = path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    int error = path.isEmpty() ? ENOENT : errno;
    struct stat st;
    // Only a regular file is read: a folder cannot be, and a pipe or a device may never end.
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
        error = EISDIR;
    }
    if (fd < 0)
        throw ioError(failure == OpenFailure::Guarded ? GuardedOpenFailureCode : ioCodeFromErrno(error));
    auto file = std::make_unique<QFile>();
    file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return file;
}

QByteArray readAll(const QString &fileName, OpenFailure failure)
{
    const auto file = openForReading(fileName, failure);
    return file->readAll();
}

void replaceFile(const QString &fileName, const QByteArray &content, const QString &createFailureMessage)
{
    const QByteArray target = resolvedPath(fileName);
    struct stat st;
    const bool exists = ::stat(target.constData(), &st) == 0;
    // rename() would replace a read-only file as well; a file that may not be written is refused.
    if (target.isEmpty() || (exists && (S_ISDIR(st.st_mode) || ::access(target.constData(), W_OK) != 0)))
        throw AppError(createFailureMessage);

    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temp = (slash >= 0 ? target.left(slash + 1) : QByteArray()) + ".careplan-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw AppError(createFailureMessage);
    // The new file gets the old file's permissions, or those a newly created file would get.
    mode_t mode = st.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    const bool written = writeAll(fd, content.constData(), content.size()) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.constData());
        throw ioError(ioCodeFromErrno(written ? errno : writeError));
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int renameError = errno;
        ::unlink(temp.constData());
        throw ioError(ioCodeFromErrno(renameError));
    }
}

} // namespace FileIo
