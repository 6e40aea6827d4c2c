#pragma once

// A saved plan taken apart for loading, up to the controls: the 927 fields of its line with the numbers of the
// weekly cells read. A field that cannot be loaded (the line is too short, or a cell's number is not one) ends the
// loadable part: the fields before it are loaded, then the failure is reported.

#include "PlanFile.h"
#include "U_Gloval.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// The fields of a plan line, numbered from 1 as the line holds them.
namespace PlanFields {
constexpr int Sheet1First = 1;     // fields 1 to 18: sheet (1)
constexpr int Memo2First = 19;     // fields 19 to 46: Memo1 … Memo28 of sheet (2)
constexpr int PeriodFirst = 47;    // fields 47 to 58: Edit1 … Edit12 of sheet (2)
constexpr int MarkFirst = 59;      // fields 59 to 62: Label19 … Label22 of sheet (2)
constexpr int CellFirst = 63;      // fields 63 to 902: five per weekly cell Label32 … Label199
constexpr int ActivityFirst = 903; // fields 903 to 926: Edit1 … Edit24 of the weekly editor
constexpr int WeeklyMemo = 927;    // Memo1 of the weekly editor
constexpr int PerCell = 5;         // caption, background colour, text colour, top, height
} // namespace PlanFields

struct PlanCell
{
    QByteArray caption;
    qint32 background = 0;
    qint32 textColor = 0;
    qint32 top = 0;
    qint32 height = 0;
};

struct PlanRecord
{
    QList<QByteArray> fields;                     // field n is fields[n - 1]
    std::array<PlanCell, WeeklyCellCount> cells;  // read from fields 63 to 902
    int loadableFields = 0;                       // the fields 1 … loadableFields can be loaded
    std::optional<QString> failure;               // why the field after them cannot
};

PlanRecord ReadPlanRecord(const QList<QByteArray> &fields);

// The half state of a weekly cell by its place: 0 whole (height 17), 1 upper half (top 12 + 24 r), 2 lower half.
quint8 HalfStateOf(qint32 top, qint32 height);
