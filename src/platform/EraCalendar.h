#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The Japanese imperial calendar: the era name and the year within the era of a date, from ICU's era table
// (明治 from 1868-09-08 on; later eras arrive with ICU updates).
namespace EraCalendar {

struct EraYear
{
    QString eraName; // "平成"
    int year;        // 1 for the first year of the era
};

// The era and era year of the date, or nothing for an invalid date or a date before 明治.
std::optional<EraYear> eraYearOf(const QDate &date);

} // namespace EraCalendar
