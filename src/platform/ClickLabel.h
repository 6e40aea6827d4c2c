#pragma once

#include <QLabel>

// A label that tells of mouse presses (with the button and the modifier keys held at that moment) and of
// double clicks, for the labels of the sheets that react to the mouse.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent) : QLabel(parent) {}

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
