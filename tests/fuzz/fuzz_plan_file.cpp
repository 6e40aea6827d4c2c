// A plan data file: any content lists, every listed entry is found again, and its line is read for loading.
#include "FuzzSupport.h"
#include "plan/PlanFile.h"
#include "plan/PlanRecord.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("plans.csv"));
    {
        QFile file(fileName);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QList<PlanEntry> entries;
    try {
        ListPlanFile(fileName, [&](const PlanEntry &entry) { entries.append(entry); });
    } catch (const AppError &) {
        // A short line ends the listing; the entries before it stay.
    }
    for (const PlanEntry &entry : entries) {
        try {
            const auto fields = FindPlanLine(fileName, entry);
            FUZZ_CHECK(fields.has_value());
            const PlanRecord record = ReadPlanRecord(*fields);
            FUZZ_CHECK(record.loadableFields <= PlanFieldCount);
            FUZZ_CHECK(record.failure.has_value() == (record.loadableFields < PlanFieldCount));
        } catch (const AppError &) {
            // A short line before the entry's own.
        }
    }
    return 0;
}
