// The floor of the start-up figures: a bare Qt program that shows one window, the size of the program's main
// window, with its title, and runs the event loop.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("居宅介護サービス計画書メイン"));
    window.resize(368, 244);
    window.show();
    return QApplication::exec();
}
