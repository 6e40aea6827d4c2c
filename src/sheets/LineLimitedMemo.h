#pragma once

#include <QPlainTextEdit>

// A memo of the sheet editors: no frame, no scroll bars, text wrapped at its width. It counts its lines as it
// displays them (a wrapped line counts, an empty last line does not), the same whether its window is shown or
// hidden, and with a line limit it deletes every displayed line after the limit after each change, also a change
// made by the program.
class LineLimitedMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    // lineLimit 0: no limit.
    explicit LineLimitedMemo(QWidget *parent, int lineLimit = 0);

    int lineLimit() const { return m_lineLimit; }

    // The number of displayed lines.
    int displayedLineCount() const;

    // The memo's first line as displayed: up to the first wrap or line break, at most 4096 bytes of code page 932.
    QString firstDisplayedLine() const;

    // Places the memo and makes it tall enough to show its line limit with the font in use.
    void place(int left, int top, int width, int height);

    // The font, a pixel smaller at a time where needed, whose lineLimit lines fit in a memo of that height: for
    // memos whose frame leaves them no pixel to grow into.
    static QFont fittingFont(QFont font, int lineLimit, int height);

private:
    struct DisplayedLine
    {
        int start; // position in the document
        int length;
    };
    QList<DisplayedLine> displayedLines() const;
    void applyLineLimit();

    int m_lineLimit;
    bool m_cutting = false;
};
