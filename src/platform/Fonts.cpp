#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <future>

namespace {

std::future<void> fontConfiguration; // the preloading, once started
QString gothicFamily = MsPGothic;
QString minchoFamily = MsPMincho;

} // namespace

void preloadFontConfiguration()
{
    // The toolkit's font database starts with the same call; fontconfig loads its configuration only once.
    fontConfiguration = std::async(std::launch::async, [] { FcInit(); });
}

void chooseFontFamilies()
{
    if (fontConfiguration.valid())
        fontConfiguration.wait();
    const QStringList installed = QFontDatabase::families();
    gothicFamily = installed.contains(MsPGothic) ? MsPGothic : QStringLiteral("IPAPGothic");
    minchoFamily = installed.contains(MsPMincho) ? MsPMincho : QStringLiteral("IPAPMincho");
}

QString installedFamily(const QString &family)
{
    if (family == MsPGothic)
        return gothicFamily;
    if (family == MsPMincho)
        return minchoFamily;
    return family;
}

QFont pixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(installedFamily(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
