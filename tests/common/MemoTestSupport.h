#pragma once

// What the tests of the sheets' line-limited memos share.

#include "GuiTestSupport.h"
#include "sheets/LineLimitedMemo.h"

#include <QApplication>
#include <QClipboard>

// "1行目" … "count行目", one a line.
inline QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1行目").arg(i);
    return lines.join(u'\n');
}

// Puts the text into the memo as the program does ("set"), by pasting it ("paste") or by typing it at the caret
// ("type").
inline void enterText(LineLimitedMemo *memo, const QString &how, const QString &text)
{
    if (how == QLatin1String("set")) {
        memo->setPlainText(text);
    } else if (how == QLatin1String("paste")) {
        QApplication::clipboard()->setText(text);
        memo->paste();
    } else {
        typeText(memo, text);
    }
}

// The memo after a change: it holds the expected text, or for an empty expectation the beginning of the entered
// text, cut after the limit's displayed line.
inline void checkLineLimit(const LineLimitedMemo *memo, const QString &entered, const QString &expected)
{
    if (expected.isEmpty()) {
        QCOMPARE(memo->displayedLineCount(), memo->lineLimit());
        QVERIFY(entered.startsWith(memo->toPlainText()));
        QVERIFY(memo->toPlainText().size() < entered.size());
    } else {
        QCOMPARE(memo->toPlainText(), expected);
    }
}
