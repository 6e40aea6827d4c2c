#pragma once

class QWidget;

// Japanese input for a control: switched on (hiragana) or off (Latin only) while the control has the focus,
// expressed as input-method hints so that an input method that honours them follows.
void setJapaneseInput(QWidget *control, bool on);
