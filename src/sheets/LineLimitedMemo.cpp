#include "LineLimitedMemo.h"

#include "platform/Cp932.h"

#include <QTextBlock>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr int DocumentMargin = 1;
constexpr int FirstLineMaxBytes = 4096;

} // namespace

LineLimitedMemo::LineLimitedMemo(QWidget *parent, int lineLimit) : QPlainTextEdit(parent), m_lineLimit(lineLimit)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(DocumentMargin);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LineLimitedMemo::applyLineLimit);
}

namespace {

int heightForLines(const QFont &font, int lines)
{
    return int(std::ceil(lines * QFontMetricsF(font).lineSpacing())) + 2 * DocumentMargin;
}

} // namespace

void LineLimitedMemo::place(int left, int top, int width, int height)
{
    // The stand-in fonts have a larger line spacing than the fonts the layouts were drawn for: a memo grows by
    // the few pixels it needs to show all the lines it may hold.
    setGeometry(left, top, width, std::max(height, heightForLines(font(), m_lineLimit)));
}

QFont LineLimitedMemo::fittingFont(QFont font, int lineLimit, int height)
{
    while (font.pixelSize() > 1 && heightForLines(font, lineLimit) > height)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// The lines as the memo lays them out: every block is broken at the memo's text width exactly as the widget's
// own layout breaks it. Laid out here, on the text alone, so that a hidden memo counts like a shown one.
QList<LineLimitedMemo::DisplayedLine> LineLimitedMemo::displayedLines() const
{
    const qreal textWidth = width() - 2 * frameWidth() - 2 * document()->documentMargin();
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(wordWrapMode());
    QList<DisplayedLine> lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), document()->defaultFont());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(textWidth);
            lines.append({block.position() + line.textStart(), line.textLength()});
        }
        layout.endLayout();
    }
    // An empty last line (an empty memo, or a text ending in a line break) is not counted.
    if (!lines.isEmpty() && lines.back().length == 0)
        lines.removeLast();
    return lines;
}

int LineLimitedMemo::displayedLineCount() const
{
    return int(displayedLines().size());
}

QString LineLimitedMemo::firstDisplayedLine() const
{
    const QList<DisplayedLine> lines = displayedLines();
    if (lines.isEmpty())
        return {};
    const QString line = document()->toPlainText().mid(lines.front().start, lines.front().length);
    return Cp932::cutToBytes(line, FirstLineMaxBytes);
}

void LineLimitedMemo::applyLineLimit()
{
    if (m_lineLimit <= 0 || m_cutting)
        return;
    m_cutting = true;
    // Each cut may change the wrapping of what is left, so the lines are counted again until the limit holds.
    for (QList<DisplayedLine> lines = displayedLines(); lines.size() > m_lineLimit; lines = displayedLines()) {
        QTextCursor cursor(document());
        cursor.setPosition(lines.at(m_lineLimit).start);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    m_cutting = false;
}
