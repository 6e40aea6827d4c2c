#pragma once

// The plan data file: one saved plan per line, 927 fields joined by JoinFields, each line ended by CR LF, only
// ever appended to. Listing shows one entry per line; loading finds the line an entry stands for.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

constexpr int PlanFieldCount = 927;

// One listed plan: user name (field 1), plan creation date (field 7) and care level (field 12) of its line.
// Several lines may carry the same name and date (revisions saved on one day): occurrence counts them, so that
// the n-th entry of a name and date stands for the n-th line of that name and date.
struct PlanEntry
{
    QByteArray userName;
    QByteArray createDate;
    QByteArray careLevel;
    int occurrence = 0; // 0 for the first line of this name and date

    QString text() const; // "name / date / care level"
};

// Lists the plans of a data file in file order; each entry is handed to add as soon as its line is read. A line
// with fewer than 12 fields stops the listing with the list-index message after the entries before it. A file
// that cannot be opened throws "I/O エラー (103)".
void ListPlanFile(const QString &fileName, const std::function<void(const PlanEntry &)> &add);

// The fields of the line the entry stands for, or nothing when no line of the file matches it any more.
// A line read before the match that has no field, or a line of the same user with fewer than 7 fields, throws
// the list-index message; a file that cannot be opened throws "I/O エラー (103)".
std::optional<QList<QByteArray>> FindPlanLine(const QString &fileName, const PlanEntry &entry);

// Appends one plan line (without its line end) and CR LF to the file, creating the file when it does not exist.
// When the file does not end with a line end, CR LF is written first so that the plans stay on lines of their
// own. A failure to open throws "I/O エラー (103)"; a failed write leaves the file as it was.
void AppendPlanLine(const QString &fileName, const QByteArray &line);
