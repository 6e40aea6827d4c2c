#include "InputMode.h"

#include <QWidget>

void setJapaneseInput(QWidget *control, bool on)
{
    control->setAttribute(Qt::WA_InputMethodEnabled, true);
    Qt::InputMethodHints hints = control->inputMethodHints();
    hints.setFlag(Qt::ImhLatinOnly, !on);
    hints.setFlag(Qt::ImhPreferLatin, !on);
    control->setInputMethodHints(hints);
}
