#include "PlanFile.h"

#include "U_Gloval.h"
#include "platform/AppError.h"
#include "platform/FileIo.h"

#include <QHash>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Zero-based numbers of the fields a listing and a search read.
constexpr int NameField = 0;
constexpr int DateField = 6;
constexpr int CareLevelField = 11;

// The field, or the list-index failure with its number when the line is too short.
const QByteArray &field(const QList<QByteArray> &fields, int index)
{
    if (index >= fields.size())
        throw listIndexError(int(fields.size()) == 0 ? 0 : index);
    return fields.at(index);
}

} // namespace

QString PlanEntry::text() const
{
    return ShownText(userName + " / " + createDate + " / " + careLevel);
}

void ListPlanFile(const QString &fileName, const std::function<void(const PlanEntry &)> &add)
{
    const auto file = FileIo::openForReading(fileName, FileIo::OpenFailure::Guarded);
    LineReader reader(file.get());
    QHash<std::pair<QByteArray, QByteArray>, int> seen; // name and date -> lines so far
    QByteArrayView line;
    while (reader.next(line)) {
        const QList<QByteArray> fields = SplitLeadingFields(line, CareLevelField + 1);
        PlanEntry entry;
        entry.userName = field(fields, NameField);
        entry.createDate = field(fields, DateField);
        entry.careLevel = field(fields, CareLevelField);
        entry.occurrence = seen[{entry.userName, entry.createDate}]++;
        add(entry);
    }
}

std::optional<QList<QByteArray>> FindPlanLine(const QString &fileName, const PlanEntry &entry)
{
    const auto file = FileIo::openForReading(fileName, FileIo::OpenFailure::Guarded);
    LineReader reader(file.get());
    int matches = 0;
    QByteArrayView line;
    while (reader.next(line)) {
        const QList<QByteArray> leading = SplitLeadingFields(line, DateField + 1);
        if (field(leading, NameField) != entry.userName || field(leading, DateField) != entry.createDate)
            continue;
        if (matches++ == entry.occurrence)
            return SplitFields(line);
    }
    return std::nullopt;
}

void AppendPlanLine(const QString &fileName, const QByteArray &line)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = path.isEmpty() ? -1 : ::open(path.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw ioError(GuardedOpenFailureCode);
    }
    QByteArray bytes;
    if (st.st_size > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n')
            bytes = "\r\n";
    }
    bytes += line + "\r\n";

    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        written += n;
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error != 0) {
        // No half-written plan stays behind: the file goes back to what it held. Should that fail as well,
        // the failure of the write is still the one reported.
        const int truncated = ::ftruncate(fd, st.st_size);
        Q_UNUSED(truncated);
        ::close(fd);
        throw ioError(ioCodeFromErrno(error));
    }
    if (::close(fd) != 0)
        throw ioError(ioCodeFromErrno(errno));
}
