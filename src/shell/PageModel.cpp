#include "PageModel.h"

#include "platform/AppError.h"
#include "platform/FileIo.h"
#include "platform/Fonts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace {

// The page is drawn in twips (1/1440 inch), so that every font size of the sheets, in points or in 96-dpi
// pixels, is a whole number of units, and lines break at the same places on screen, on paper and in PDF files.
constexpr double TwipsPerMm = 1440.0 / 25.4;

QRectF twips(const QRectF &mm)
{
    return {mm.x() * TwipsPerMm, mm.y() * TwipsPerMm, mm.width() * TwipsPerMm, mm.height() * TwipsPerMm};
}

QFont twipFont(const QFont &font)
{
    QFont sized(font);
    sized.setPixelSize(qRound(font.pointSizeF() * 20));
    return sized;
}

// A text laid out in lines: each paragraph (the text between line breaks) broken at the width, or kept on one
// line when there is no width.
struct LaidOutText
{
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    QList<QTextLine> lines;
    double widest = 0;
};

constexpr double NoWrap = -1;

LaidOutText layOut(const QString &text, const QFont &font, double wrapWidth)
{
    // CR LF, a lone CR and a lone LF each break the line.
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(u'\r', u'\n');

    QTextOption option;
    option.setWrapMode(wrapWidth == NoWrap ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    LaidOutText result;
    for (const QString &paragraph : normalised.split(u'\n')) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font);
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(qMax(wrapWidth, 0.0)); // without wrapping, the line holds the whole paragraph
            result.lines.append(line);
            result.widest = qMax(result.widest, line.naturalTextWidth());
        }
        layout->endLayout();
        result.paragraphs.push_back(std::move(layout));
    }
    return result;
}

// The box of an auto-size label: as wide as its text, keeping its left edge, right edge or centre.
QRectF autoSizedBox(const QRectF &box, Qt::Alignment alignment, double width)
{
    QRectF sized(box.x(), box.y(), width, box.height());
    if (alignment & Qt::AlignRight)
        sized.moveRight(box.right());
    else if (alignment & Qt::AlignHCenter)
        sized.moveLeft(box.center().x() - width / 2);
    return sized;
}

void drawRectangle(QPainter &painter, const QRectF &box, const QColor &fill)
{
    painter.fillRect(box, fill);
    painter.setPen(QPen(Qt::black, 0)); // cosmetic: one device pixel
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

void drawText(QPainter &painter, const PageElement &element, QRectF box)
{
    QFont font = twipFont(element.font);
    const bool label = element.kind == PageElement::Kind::Label;
    const bool wraps = !label || (!element.autoSize && !element.fixedText);
    LaidOutText text = layOut(element.text, font, wraps ? box.width() : NoWrap);
    if (label && element.autoSize) {
        box = autoSizedBox(box, element.alignment, text.widest);
    } else if (element.fixedText && text.widest > box.width()) {
        // The layout's own text stays whole on its line: condensed until it fits its box.
        for (int stretch = int(100 * box.width() / text.widest); text.widest > box.width() && stretch > 1; --stretch) {
            font.setStretch(stretch);
            text = layOut(element.text, font, NoWrap);
        }
    }

    painter.fillRect(box, element.background);
    painter.save();
    painter.setClipRect(box);
    painter.setPen(element.textColor);
    const Qt::Alignment alignment = label ? element.alignment : Qt::AlignLeft;
    const QFontMetricsF metrics(font);
    const double lineHeight = metrics.ascent() + metrics.descent();
    double top = 0;
    for (qsizetype i = 0; i < text.lines.size(); ++i, top += metrics.lineSpacing()) {
        // A line is printed when its ascent and descent fit in the box; the first line always is, clipped.
        if (i > 0 && top + lineHeight > box.height() + 0.01)
            break;
        const QTextLine &line = text.lines.at(i);
        double left = 0;
        if (alignment & Qt::AlignRight)
            left = box.width() - line.naturalTextWidth();
        else if (alignment & Qt::AlignHCenter)
            left = (box.width() - line.naturalTextWidth()) / 2;
        const double baseline = box.top() + top + metrics.ascent();
        line.draw(&painter, QPointF(box.left() + left - line.x(), baseline - line.ascent() - line.y()));
    }
    painter.restore();
}

void drawElements(QPainter &painter, const ElementList &list, const QPointF &originMm)
{
    for (const PageElement &element : list.elements) {
        const QRectF box = twips(element.box.translated(originMm));
        if (element.kind == PageElement::Kind::Rectangle)
            drawRectangle(painter, box, element.background);
        else
            drawText(painter, element, box);
    }
}

} // namespace

QFont reportFont(const QString &family, double points)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    return font;
}

void ElementList::addRectangle(const QString &name, const QRectF &box)
{
    PageElement element;
    element.name = name;
    element.box = box;
    elements.append(element);
}

void ElementList::addLabel(const QString &name, const QRectF &box, const QFont &font, Qt::Alignment alignment,
                           LabelSize size, const QString &fixedText)
{
    PageElement element;
    element.name = name;
    element.kind = PageElement::Kind::Label;
    element.box = box;
    element.font = font;
    element.alignment = alignment;
    element.autoSize = size == LabelSize::Auto;
    element.fixedText = !fixedText.isEmpty();
    element.text = fixedText;
    elements.append(element);
}

void ElementList::addRichText(const QString &name, const QRectF &box, const QFont &font)
{
    PageElement element;
    element.name = name;
    element.kind = PageElement::Kind::RichText;
    element.box = box;
    element.font = font;
    elements.append(element);
}

PageElement &Report::element(const QString &name)
{
    for (ElementList *list : {&header, &body, &page})
        for (PageElement &element : list->elements)
            if (element.name == name)
                return element;
    qFatal("The report has no element %s", qPrintable(name));
}

void renderReport(const Report &report, QPainter &painter)
{
    painter.save();
    painter.scale(painter.device()->logicalDpiX() / 1440.0, painter.device()->logicalDpiY() / 1440.0);
    const QPointF headerOrigin(PageMargin, PageMargin);
    const QPointF bodyOrigin(PageMargin, PageMargin + report.headerHeight);
    painter.fillRect(twips(QRectF(headerOrigin, QSizeF(BandWidth, report.headerHeight))), Qt::white);
    painter.fillRect(twips(QRectF(bodyOrigin, QSizeF(BandWidth, report.bodyHeight))), Qt::white);
    drawElements(painter, report.header, headerOrigin);
    drawElements(painter, report.body, bodyOrigin);
    drawElements(painter, report.page, QPointF(0, 0));
    painter.restore();
}

QImage reportImage(const Report &report, int dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage image(qRound(PaperWidth * dotsPerMm), qRound(PaperHeight * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    renderReport(report, painter);
    return image;
}

QByteArray reportPdf(const Report &report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        renderReport(report, painter);
    }
    return buffer.data();
}

void saveReportPdf(const Report &report, const QString &fileName)
{
    FileIo::replaceFile(fileName, reportPdf(report), ioErrorMessage(5));
}
