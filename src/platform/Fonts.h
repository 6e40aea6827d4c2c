#pragma once

#include <QFont>
#include <QString>

// The two font families of the windows and sheets. Where one is not installed, its IPA P font, the proportional
// stand-in, draws the texts set in it.
inline const QString MsPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MsPMincho = QStringLiteral("ＭＳ Ｐ明朝");

// Starts loading the system's font configuration on a thread of its own. Called first thing at start-up, the few
// milliseconds it takes pass while the application connects to the display; chooseFontFamilies waits for it.
void preloadFontConfiguration();

// Looks up which of the two families are installed and chooses the stand-ins for the others. Called once the
// application object exists, before the first font is made.
void chooseFontFamilies();

// The family that draws texts set in the family: itself, or its stand-in where it is not installed. Asking for an
// installed family by name spares the toolkit its search for a replacement, which takes longer than drawing the
// main window.
QString installedFamily(const QString &family);

// A font of the family with the character height in pixels (at 96 dpi: 12 px is 9 pt).
QFont pixelFont(const QString &family, int pixelSize, bool bold = false);
