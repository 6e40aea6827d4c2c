#pragma once

// Colour references as the files keep them: 0x00BBGGRR as a signed 32-bit integer. A reference with the top bit
// set names a system colour by its index in the low byte (-2147483640 is the window-text colour).

#include <QColor>
#include <QPalette>

constexpr qint32 WhiteColorRef = 16777215;
constexpr qint32 WindowTextColorRef = qint32(0x80000008u);

QColor colorFromRef(qint32 ref, const QPalette &palette);
qint32 refFromColor(const QColor &color);
