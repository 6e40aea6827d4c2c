#pragma once

#include "platform/Form.h"

class WeeklyCell;

// The weekly plan editor "週間サービス計画表": seven day columns of 24 hour cells (Label32 to Label199), marked
// with the service name of the service master or with the mark colour alone and narrowed to half hours; the
// daily activities Edit1 to Edit24 and the two-line memo Memo1. Closing it takes the weekly snapshot from
// which the weekly sheet is printed. Its place on the screen is kept in WeeklyLeft and WeeklyTop.
class TF_Keikaku3 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku3();

    // The one mouse handler of the 168 cells; modifiers are the keys held at the press.
    void Label32MouseDown(WeeklyCell *cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void FormClose() override;

private:
    void splitStep(WeeklyCell *cell, int k);
    void clearCell(WeeklyCell *cell, int k);
};

extern TF_Keikaku3 *F_Keikaku3;
