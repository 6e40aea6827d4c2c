#pragma once

// The printed page of the three sheets. A report is one A4 landscape page with 10 mm margins: a header band at
// the top margin and a body band directly below it, each as wide as the printable area, and elements of the page
// itself. Each holds named elements in drawing order (a later element is drawn over an earlier one); the page's
// own elements are drawn last, over both bands. Positions are millimetres from the top-left corner of the band,
// or of the paper for the page's own elements.

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QImage;
class QPainter;

constexpr double PaperWidth = 297.0;
constexpr double PaperHeight = 210.0;
constexpr double PageMargin = 10.0;
constexpr double BandWidth = 277.02;

// Millimetres of a length given in pixels at 96 dpi.
constexpr double mmFromPixels(double pixels)
{
    return pixels * 25.4 / 96.0;
}

// Points of a character height given in pixels at 96 dpi (12 px is 9 pt, 7 px is 5.25 pt).
constexpr double pointsFromPixels(double pixels)
{
    return pixels * 72.0 / 96.0;
}

// A font of the sheets: the family at a size in points, regular weight.
QFont reportFont(const QString &family, double points);

struct PageElement
{
    enum class Kind {
        Rectangle, // black one-device-pixel outline, filled with the background colour
        Label,     // one text in an opaque box
        RichText,  // a block of lines, left-aligned, cut at the box's height
    };
    QString name;
    Kind kind = Kind::Rectangle;
    QRectF box; // millimetres
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft; // of a label: left, centre or right
    bool autoSize = false;  // a label that is one line as wide as its text, anchored at its aligned edge or centre
    bool fixedText = false; // the text comes with the layout and prints whole on its line
    QString text;
    QColor background = Qt::white;
    QColor textColor = Qt::black;
};

enum class LabelSize {
    Auto,  // the box takes the width of the text
    Fixed, // the text breaks into lines at the box's width; lines beyond its height are not printed
};

class ElementList
{
public:
    void addRectangle(const QString &name, const QRectF &box);
    // A label; a fixed text is the layout's own and is never wrapped or cut, only condensed to its box's width.
    void addLabel(const QString &name, const QRectF &box, const QFont &font, Qt::Alignment alignment, LabelSize size,
                  const QString &fixedText = QString());
    void addRichText(const QString &name, const QRectF &box, const QFont &font);

    QList<PageElement> elements;
};

struct Report
{
    Report(double headerHeight, double bodyHeight) : headerHeight(headerHeight), bodyHeight(bodyHeight) {}

    // The element of that name in any of the three lists; the names of a report are its own, so a name that is
    // not there is a fault of the program.
    PageElement &element(const QString &name);

    double headerHeight;
    double bodyHeight;
    ElementList header;
    ElementList body;
    ElementList page;
};

// Draws the report as one page. The painter's origin is the top-left corner of the paper, and its device's
// resolution gives the scale; the preview, the printer, PDF files and images all draw through this function.
void renderReport(const Report &report, QPainter &painter);

// The page as an image at the resolution, white where nothing is drawn.
QImage reportImage(const Report &report, int dpi);

// The page as a one-page PDF document.
QByteArray reportPdf(const Report &report);

// Writes the page as a PDF file, replacing the file; a file that cannot be written throws AppError.
void saveReportPdf(const Report &report, const QString &fileName);
