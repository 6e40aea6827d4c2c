#include "PlanRecord.h"

#include "platform/AppError.h"
#include "platform/Cp932.h"

namespace {

constexpr qint32 WholeCellHeight = 17;

} // namespace

quint8 HalfStateOf(qint32 top, qint32 height)
{
    if (height == WholeCellHeight)
        return 0;
    return (qint64(top) - 12) % 24 == 0 ? 1 : 2;
}

PlanRecord ReadPlanRecord(const QList<QByteArray> &fields)
{
    PlanRecord record;
    record.fields = fields;
    const int available = int(std::min<qsizetype>(fields.size(), PlanFieldCount));
    // Fields are loaded in their order, so the first one that cannot be loaded ends the loadable part.
    for (int n = 1; n <= available; ++n) {
        const int cellField = n - PlanFields::CellFirst;
        if (cellField >= 0 && n < PlanFields::ActivityFirst) {
            PlanCell &cell = record.cells[cellField / PlanFields::PerCell];
            const QByteArray &value = fields.at(n - 1);
            const int property = cellField % PlanFields::PerCell;
            if (property == 0) {
                cell.caption = value;
            } else {
                const std::optional<qint32> number = ParseInteger(value);
                if (!number) {
                    record.loadableFields = n - 1;
                    record.failure = notIntegerError(Cp932::decode(value)).message();
                    return record;
                }
                qint32 *const properties[] = {nullptr, &cell.background, &cell.textColor, &cell.top, &cell.height};
                *properties[property] = *number;
            }
        }
    }
    record.loadableFields = available;
    if (available < PlanFieldCount)
        record.failure = listIndexError(available).message();
    return record;
}
