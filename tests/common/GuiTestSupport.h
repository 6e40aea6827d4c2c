#pragma once

// What the tests of windows share.

#include "TestSupport.h"

#include <QWidget>
#include <QtTest>

// The window's control of that name; a missing one ends the test run.
template <typename T> T *control(QWidget *window, const QString &name)
{
    T *c = window->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// Types the text into the widget key by key, Japanese characters included; "\n" presses Return.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
