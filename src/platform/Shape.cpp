#include "Shape.h"

#include <QMouseEvent>
#include <QPainter>

Shape::Shape(QWidget *parent) : QWidget(parent) {}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    if (height() <= 1)
        painter.drawLine(0, 0, width() - 1, 0);
    else
        painter.drawRect(0, 0, width() - 1, height() - 1);
}

void Shape::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button());
    QWidget::mousePressEvent(event);
}
