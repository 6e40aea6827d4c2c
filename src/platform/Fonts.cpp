#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

void installFontSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(MsPGothic))
        QFont::insertSubstitution(MsPGothic, QStringLiteral("IPAPGothic"));
    if (!installed.contains(MsPMincho))
        QFont::insertSubstitution(MsPMincho, QStringLiteral("IPAPMincho"));
}

QFont pixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
