#pragma once

#include "platform/ClickLabel.h"
#include "platform/ColorRef.h"

// One cell of the weekly grid. What the plan keeps of it: its text, its background and text colours as colour
// references, and its top and height (y() and height() of its geometry). Its tag is its hour row, 1 to 24.
// A cell that was never marked is white with the system's window-text colour. The text is centred both ways
// and the cell never sizes itself to it.
class WeeklyCell : public ClickLabel
{
    Q_OBJECT
public:
    WeeklyCell(QWidget *parent, int tag);

    int tag() const { return m_tag; }

    qint32 backgroundRef() const { return m_background; }
    void setBackgroundRef(qint32 ref);
    qint32 textColorRef() const { return m_textColor; }
    void setTextColorRef(qint32 ref);

    // Moves the cell within its row: the left and the width never change.
    void setTopAndHeight(int top, int height);

private:
    void applyColors();

    int m_tag;
    qint32 m_background = WhiteColorRef;
    qint32 m_textColor = WindowTextColorRef;
};
