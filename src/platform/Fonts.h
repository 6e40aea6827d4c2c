#pragma once

#include <QFont>
#include <QString>

// The two font families of the windows and sheets. Where they are not installed, installFontSubstitutions maps
// them to the IPA P fonts, their proportional stand-ins.
inline const QString MsPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MsPMincho = QStringLiteral("ＭＳ Ｐ明朝");

void installFontSubstitutions();

// A font of the family with the character height in pixels (at 96 dpi: 12 px is 9 pt).
QFont pixelFont(const QString &family, int pixelSize, bool bold = false);
