#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

// A window of the program: named as its class, with a caption, a default font and a fixed place on the screen.
// It is created once and only shown and hidden; closing it hides it and its controls keep their content.
class Form : public QWidget
{
    Q_OBJECT
public:
    // outerLeft/Top/Width/Height: the window's outer rectangle on the screen, frame and title bar included.
    Form(const QString &name, const QString &caption, int outerLeft, int outerTop, int outerWidth, int outerHeight,
         int fontPixels);

    // Shows the window modally and returns when it has been hidden again. A window already shown beside the
    // others is hidden first and comes back modally.
    void ShowModal();

    // Shows the window as an ordinary window beside the others.
    void ShowBeside();

signals:
    void hidden();

protected:
    virtual void FormActivate() {}
    virtual void FormClose() {}

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    // Convenience for the fixed layouts: a control placed at left, top, width, height (pixels at 96 dpi).
    template <typename T> T *place(T *control, const QString &name, int left, int top, int width, int height)
    {
        control->setObjectName(name);
        control->setGeometry(left, top, width, height);
        return control;
    }
    QLabel *addLabel(const QString &name, const QString &caption, int left, int top, const QFont &font,
                     const QColor &color = QColor());
    // The tab order of the controls, in the order given.
    static void chainTabOrder(const QList<QWidget *> &controls);
};

// The frame that the outer sizes of the layouts include: 4 pixels on each side and a 26-pixel title bar.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

// Places a top-level window by its outer rectangle; one that would lie wholly off every screen opens at the
// top-left corner of the main screen.
void setOuterGeometry(QWidget *window, int left, int top, int outerWidth, int outerHeight);
