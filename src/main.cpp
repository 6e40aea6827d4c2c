// 居宅介護サービス計画書: start-up. Sets the title and the fonts, creates the main window and shows it (it creates
// the other windows right after its first paint) and runs it until "処理終了" ends the program.

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/U_Main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    preloadFontConfiguration();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);

    // Calendars, dialogs and the toolkit's own texts in Japanese; the program writes its dates in fixed formats.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // The toolkit's own dialogs (file, colour, print) in Japanese.
    QTranslator toolkitTranslation;
    if (toolkitTranslation.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTranslation);

    chooseFontFamilies();
    CreateMainWindow();
    F_Main->show();
    return QApplication::exec();
}
