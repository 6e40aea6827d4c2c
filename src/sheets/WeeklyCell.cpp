#include "WeeklyCell.h"

WeeklyCell::WeeklyCell(QWidget *parent, int tag) : ClickLabel(parent), m_tag(tag)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    applyColors();
}

void WeeklyCell::setBackgroundRef(qint32 ref)
{
    m_background = ref;
    applyColors();
}

void WeeklyCell::setTextColorRef(qint32 ref)
{
    m_textColor = ref;
    applyColors();
}

void WeeklyCell::setTopAndHeight(int top, int height)
{
    setGeometry(x(), top, width(), height);
}

// System colours (the never-marked text colour) are shown in the window's palette colour.
void WeeklyCell::applyColors()
{
    const QPalette system = parentWidget()->palette();
    QPalette own = palette();
    own.setColor(QPalette::Window, colorFromRef(m_background, system));
    own.setColor(QPalette::WindowText, colorFromRef(m_textColor, system));
    setPalette(own);
}
