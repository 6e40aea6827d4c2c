#include "ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers());
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
