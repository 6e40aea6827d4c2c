#pragma once

// The 927 fields of a saved plan and the controls of the three editors they come from, in one table: saving
// reads the controls into the fields, loading writes the fields back into the same controls.

#include "PlanRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The message naming the first character of the plan that code page 932 cannot hold, with its sheet and item,
// or nothing when the whole plan can be saved.
std::optional<QString> UnsavableCharacterMessage();

// The 927 field values of the plan now in the editors, escaped where a text may hold line breaks.
QList<QByteArray> CollectPlanFields();

// Puts a saved plan back into the editors, field by field in field order, without looking up the user or the
// creator; sets CurrentUserName and the half state of every weekly cell, and takes the weekly snapshot afresh.
// A field that cannot be loaded stops the loading there with its failure; the fields before it stay loaded.
void LoadPlanFields(const PlanRecord &record);
