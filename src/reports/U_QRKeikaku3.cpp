#include "U_QRKeikaku3.h"

#include "plan/U_Gloval.h"
#include "platform/ColorRef.h"
#include "platform/Fonts.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku3.h"
#include "shell/PagePreview.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <cmath>

TQR_Keikaku3 *QR_Keikaku3 = nullptr;

namespace {

// The weekly sheet is laid out in pixels at 96 dpi.
QRectF px(double left, double top, double width, double height)
{
    return {mmFromPixels(left), mmFromPixels(top), mmFromPixels(width), mmFromPixels(height)};
}

// Printed cell k (weekly cell k of the editor) is QRLabel(40 + k); activity row n is QRLabel(207 + n).
QString cellName(int k)
{
    return QStringLiteral("QRLabel%1").arg(40 + k);
}

QString activityName(int n)
{
    return QStringLiteral("QRLabel%1").arg(207 + n);
}

constexpr int CellLeft = 116;
constexpr int ColumnStep = 103;
constexpr int CellWidth = 97;
constexpr int RowStep = 19;

// The top of a whole printed cell, and of its upper half, in hour row r.
int cellTop(int row)
{
    return RowStep * row + 18;
}

constexpr int WholeCellHeight = 16;
constexpr int HalfCellHeight = 8;
constexpr int HalfCellCharacterPixels = 7;

// A label that comes with the layout, one line as wide as its text; its box is one line of its font high.
void addFixedLabel(ElementList &list, const QString &name, int left, int top, const QFont &font, const QString &text)
{
    const double lineHeight = std::ceil(font.pointSizeF() * 96 / 72);
    list.addLabel(name, px(left, top, 0, lineHeight), font, Qt::AlignLeft, LabelSize::Auto, text);
}

} // namespace

TQR_Keikaku3::TQR_Keikaku3() : QuickRep1(mmFromPixels(99), mmFromPixels(616))
{
    setObjectName(QStringLiteral("TQR_Keikaku3"));

    const QFont gothic9 = reportFont(MsPGothic, 9);
    const QFont gothic10 = reportFont(MsPGothic, 10);
    const QFont gothic11 = reportFont(MsPGothic, 11);
    const QFont gothic20 = reportFont(MsPGothic, 20);
    const QFont mincho9 = reportFont(MsPMincho, 9);
    const QFont mincho11 = reportFont(MsPMincho, 11);
    constexpr LabelSize Fixed = LabelSize::Fixed;

    ElementList &header = QuickRep1.header;
    addFixedLabel(header, QStringLiteral("QRLabel1"), 400, 16, gothic20, QStringLiteral("週間サービス計画表"));
    header.addLabel(QStringLiteral("QRLabel2"), px(24, 76, 241, 16), gothic11, Qt::AlignLeft, Fixed,
                    QStringLiteral("利用者名") + QString(16, QChar(0x3000)) + QStringLiteral("殿"));
    // The user's name stands over the blanks between "利用者名" and "殿".
    header.addLabel(QStringLiteral("QRLabel3"), px(112, 76, 121, 16), mincho11, Qt::AlignRight, Fixed);
    addFixedLabel(header, QStringLiteral("QRLabel38"), 840, 72, gothic10, QStringLiteral("作成年月日"));
    header.addLabel(QStringLiteral("QRLabel39"), px(920, 72, 121, 14), gothic10, Qt::AlignRight, Fixed);
    header.addRectangle(QStringLiteral("QRShape210"), px(24, 96, 241, 1));

    // The grid: a heading row and 24 hour rows of boxes, each overlapping its neighbours by one pixel so that a
    // single line shows between them.
    ElementList &body = QuickRep1.body;
    for (int d = 0; d < 7; ++d) {
        for (int row = 0; row <= WeeklyRowCount; ++row)
            body.addRectangle(QString(), px(112 + ColumnStep * d, 16 + RowStep * row, 104, 20));
    }
    for (int row = 0; row <= WeeklyRowCount; ++row)
        body.addRectangle(QString(), px(833, 16 + RowStep * row, 208, 20));
    body.addRectangle(QStringLiteral("QRShape1"), px(8, 16, 33, 20));
    body.addRectangle(QStringLiteral("QRShape2"), px(40, 16, 73, 476));
    // The time-of-day bands of the printed sheet: rows 1-2, 3-6, 7-12, 13-16 and 17-24.
    body.addRectangle(QStringLiteral("QRShape203"), px(8, 35, 33, 39));
    body.addRectangle(QStringLiteral("QRShape204"), px(8, 73, 33, 77));
    body.addRectangle(QStringLiteral("QRShape205"), px(8, 149, 33, 115));
    body.addRectangle(QStringLiteral("QRShape206"), px(8, 263, 33, 77));
    body.addRectangle(QStringLiteral("QRShape207"), px(8, 339, 33, 153));
    body.addRectangle(QStringLiteral("QRShape208"), px(8, 504, 105, 49));
    body.addRectangle(QStringLiteral("QRShape209"), px(112, 504, 929, 49));

    const QStringList days = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
                              QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
    const int dayLefts[] = {160, 264, 360, 464, 568, 672, 776};
    for (int d = 0; d < 7; ++d)
        addFixedLabel(body, QStringLiteral("QRLabel%1").arg(30 + d), dayLefts[d], 20, gothic10, days.at(d));
    addFixedLabel(body, QStringLiteral("QRLabel37"), 872, 20, gothic10, QStringLiteral("主な日常生活上の活動"));

    // A caption of the time column or of the band column, with its top.
    struct Caption
    {
        QString text;
        int top;
    };
    // Each hour caption at the line where its hour begins, the last one at the bottom of the grid.
    const Caption hours[] = {
        {QStringLiteral("４：００"), 30},    {QStringLiteral("６：００"), 68},    {QStringLiteral("８：００"), 106},
        {QStringLiteral("１０：００"), 144}, {QStringLiteral("１２：００"), 180}, {QStringLiteral("１４：００"), 220},
        {QStringLiteral("１６：００"), 258}, {QStringLiteral("１８：００"), 295}, {QStringLiteral("２０：００"), 334},
        {QStringLiteral("２２：００"), 372}, {QStringLiteral("２４：００"), 410}, {QStringLiteral("２：００"), 447},
        {QStringLiteral("４：００"), 478},
    };
    for (int j = 0; j < 13; ++j)
        body.addLabel(QStringLiteral("QRLabel%1").arg(17 + j), px(48, hours[j].top, 63, 13), gothic9, Qt::AlignRight,
                      Fixed, hours[j].text);

    const Caption bands[] = {
        {QStringLiteral("早"), 40},  {QStringLiteral("朝"), 56},  {QStringLiteral("午"), 88},
        {QStringLiteral("前"), 120}, {QStringLiteral("午"), 184}, {QStringLiteral("後"), 216},
        {QStringLiteral("夜"), 280}, {QStringLiteral("間"), 312}, {QStringLiteral("深"), 384},
        {QStringLiteral("夜"), 432},
    };
    for (int i = 0; i < 10; ++i)
        addFixedLabel(body, QStringLiteral("QRLabel%1").arg(4 + i), 18, bands[i].top, gothic9, bands[i].text);

    addFixedLabel(body, QStringLiteral("QRLabel14"), 26, 512, gothic10, QStringLiteral("週単位以外"));
    addFixedLabel(body, QStringLiteral("QRLabel15"), 26, 528, gothic10, QStringLiteral("のサービス"));
    body.addLabel(QStringLiteral("QRLabel16"), px(120, 512, 913, 33), mincho9, Qt::AlignLeft, Fixed);

    for (int k = 0; k < WeeklyCellCount; ++k)
        body.addLabel(cellName(k),
                      px(CellLeft + ColumnStep * (k / WeeklyRowCount), cellTop(k % WeeklyRowCount + 1), CellWidth,
                         WholeCellHeight),
                      mincho9, Qt::AlignHCenter, Fixed);
    for (int n = 1; n <= WeeklyRowCount; ++n)
        body.addLabel(activityName(n), px(836, RowStep * n + 19, 200, 15), mincho9, Qt::AlignHCenter, Fixed);
}

void TQR_Keikaku3::PrintWeeklyPlan()
{
    QuickRep1.element(QStringLiteral("QRLabel3")).text = CurrentUserName;
    QuickRep1.element(QStringLiteral("QRLabel39")).text =
        F_Keikaku1->findChild<QLabel *>(QStringLiteral("Label16"))->text();

    const QPalette palette = QApplication::palette();
    const QFont wholeFont = reportFont(MsPMincho, 9);
    const QFont halfFont = reportFont(MsPMincho, pointsFromPixels(HalfCellCharacterPixels));
    for (int k = 0; k < WeeklyCellCount; ++k) {
        PageElement &cell = QuickRep1.element(cellName(k));
        const int row = k % WeeklyRowCount + 1;
        cell.text = CellText[k];
        cell.background = colorFromRef(CellMarked[k] ? PrintMarkColor : WhiteColorRef, palette);
        cell.textColor = colorFromRef(CellTextColoured[k] ? PrintServiceTextColor : 0, palette);
        // The half hours of a printed row touch: the upper one ends where the lower one begins.
        const int top = cellTop(row) + (CellHalf[k] == 2 ? HalfCellHeight : 0);
        const int height = CellHalf[k] == 0 ? WholeCellHeight : HalfCellHeight;
        cell.box.setTop(mmFromPixels(top));
        cell.box.setHeight(mmFromPixels(height));
        cell.font = CellHalf[k] == 0 ? wholeFont : halfFont;
    }
    for (int n = 1; n <= WeeklyRowCount; ++n)
        QuickRep1.element(activityName(n)).text = ActivityText[n - 1];
    QuickRep1.element(QStringLiteral("QRLabel16")).text =
        F_Keikaku3->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();

    showPreview(QuickRep1);
}
