#pragma once

#include <QWidget>

// A drawn frame: a one-pixel black outline inside the widget's rectangle, filled with a colour or clear.
// A height of 1 draws a horizontal line.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent);

    void setFillColor(const QColor &color); // an invalid colour leaves the inside clear
    QColor fillColor() const { return m_fill; }

signals:
    void mousePressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_fill;
};
