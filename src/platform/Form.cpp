#include "Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "Fonts.h"

namespace {

// Whether any part of the outer rectangle lies on a screen (counted in 64 bits: a place may be any 32-bit number).
bool onAnyScreen(int left, int top, int outerWidth, int outerHeight)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen *screen) {
        const QRect s = screen->geometry();
        return left < qint64(s.x()) + s.width() && qint64(left) + outerWidth > s.x() &&
               top < qint64(s.y()) + s.height() && qint64(top) + outerHeight > s.y();
    });
}

} // namespace

void setOuterGeometry(QWidget *window, int left, int top, int outerWidth, int outerHeight)
{
    window->resize(outerWidth - FrameWidth, outerHeight - FrameHeight);
    // A window wholly off every screen (a place kept from a larger desktop, or a damaged Conf.txt) is out of the
    // user's reach, and a modal one would lock the program: it opens at the top-left corner of the main screen.
    if (!onAnyScreen(left, top, outerWidth, outerHeight)) {
        const QPoint corner = QGuiApplication::primaryScreen()->geometry().topLeft();
        left = corner.x();
        top = corner.y();
    }
    window->move(left, top);
}

Form::Form(const QString &name, const QString &caption, int outerLeft, int outerTop, int outerWidth,
           int outerHeight, int fontPixels)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFont(pixelFont(MsPGothic, fontPixels));
    setOuterGeometry(this, outerLeft, outerTop, outerWidth, outerHeight);
}

void Form::ShowModal()
{
    if (isVisible())
        hide();
    // Keep the window above the one that opened it.
    QWidget *opener = QApplication::activeWindow();
    if (opener && opener != this) {
        winId();
        windowHandle()->setTransientParent(opener->windowHandle());
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    loop.exec();
    setWindowModality(Qt::NonModal);
}

void Form::ShowBeside()
{
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

QLabel *Form::addLabel(const QString &name, const QString &caption, int left, int top, const QFont &font,
                       const QColor &color)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setFont(font);
    if (color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

void Form::chainTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls.at(i - 1), controls.at(i));
}
