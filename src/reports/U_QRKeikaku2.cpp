#include "U_QRKeikaku2.h"

#include "plan/U_Gloval.h"
#include "platform/Fonts.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "shell/PagePreview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TQR_Keikaku2 *QR_Keikaku2 = nullptr;

namespace {

// A control of an editor by its name; the editors always have them.
template <typename T> const T *editorControl(const QWidget *editor, const QString &name)
{
    const T *control = editor->findChild<T *>(name);
    if (!control)
        qFatal("%s has no control %s", qPrintable(editor->objectName()), qPrintable(name));
    return control;
}

// The eleven columns of the grid: the rectangle's left and width, and the left and width of the element in it.
struct Column
{
    double left, width, contentLeft, contentWidth;
};
const Column Columns[] = {
    {4.23, 39.16, 6.35, 34.40},     {42.33, 35.98, 43.39, 33.34},   {77.79, 10.85, 78.85, 8.73},
    {88.37, 35.98, 89.96, 33.34},   {123.83, 10.85, 124.88, 8.73},  {134.41, 52.92, 137.58, 45.51},
    {186.27, 6.61, 187.33, 4.23},   {192.62, 25.66, 193.68, 23.28}, {218.02, 25.66, 219.08, 23.28},
    {243.42, 19.31, 244.48, 16.93}, {262.47, 10.85, 264.05, 7.94},
};
constexpr int ColumnCount = 11;

// The four body rows: the rectangle's top and height, the text boxes' top and height and the labels' top.
struct Row
{
    double top, height, textTop, textHeight, labelTop;
};
const Row Rows[] = {
    {23.28, 36.25, 24.34, 34.13, 40.22},
    {59.27, 36.25, 60.33, 34.13, 76.20},
    {95.25, 36.25, 96.31, 34.13, 112.18},
    {131.23, 25.66, 132.29, 23.28, 141.82},
};
constexpr double LabelHeight = 4.50;

// The columns (zero-based) of the text boxes QRRichText1-4, 5-8, … 25-28 and of the labels QRlbl_1-4, 5-8,
// 9-12 (the benefit marks) and 13-16.
const int TextColumns[] = {0, 1, 3, 5, 7, 8, 9};
const int LabelColumns[] = {2, 4, 6, 10};
constexpr int MarkColumn = 6;

QString numbered(const char *prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

} // namespace

TQR_Keikaku2::TQR_Keikaku2() : QuickRep1(15.61, 169.33)
{
    setObjectName(QStringLiteral("TQR_Keikaku2"));

    const QFont gothic9 = reportFont(MsPGothic, 9);
    const QFont gothic10 = reportFont(MsPGothic, 10);
    const QFont gothic11 = reportFont(MsPGothic, 11);
    const QFont mincho9 = reportFont(MsPMincho, 9);
    constexpr Qt::Alignment Left = Qt::AlignLeft;
    constexpr LabelSize Auto = LabelSize::Auto;

    QuickRep1.page.addLabel(QStringLiteral("QRLabel1"), {105.83, 11.64, 0, 7.94}, reportFont(MsPGothic, 20), Left, Auto,
                            QStringLiteral("居宅サービス計画書（２）"));

    ElementList &body = QuickRep1.body;
    int shapeNumber = 0;
    const auto rectangle = [&](const QRectF &box) { body.addRectangle(numbered("QRShape", ++shapeNumber), box); };
    const auto heading = [&](const char *name, double left, double top, const QFont &font, const QString &text) {
        body.addLabel(QLatin1String(name), {left, top, 0, LabelHeight}, font, Left, Auto, text);
    };
    // A rectangle of every column of a row, from the given column on.
    const auto rowRectangles = [&](double top, double height, int firstColumn) {
        for (int c = firstColumn; c < ColumnCount; ++c)
            rectangle({Columns[c].left, top, Columns[c].width, height});
    };

    // The headings: column 1 over rows A and B, row A over columns 2 to 5 and 6 to 11, then row B.
    rectangle({4.23, 10.58, 39.16, 12.96});
    rectangle({42.33, 10.58, 92.60, 6.61});
    rectangle({134.41, 10.58, 138.91, 6.61});
    heading("QRLabel2", 8.47, 12.17, gothic10, QStringLiteral("生活全般の解決す"));
    heading("QRLabel3", 8.47, 17.46, gothic10, QStringLiteral("べき課題（ニーズ）"));
    rowRectangles(16.93, 6.61, 1);
    heading("QRLabel4", 82.55, 12.17, gothic11, QStringLiteral("援助目標"));
    heading("QRLabel5", 52.92, 18.52, gothic10, QStringLiteral("長期目標"));
    heading("QRLabel6", 79.90, 18.52, gothic10, QStringLiteral("期間"));
    heading("QRLabel7", 99.48, 18.52, gothic10, QStringLiteral("短期目標"));
    heading("QRLabel8", 125.41, 18.52, gothic10, QStringLiteral("期間"));
    heading("QRLabel9", 148.17, 18.52, gothic10, QStringLiteral("サービス内容"));
    heading("QRLabel10", 187.33, 18.52, gothic10, QStringLiteral("*1"));
    heading("QRLabel11", 194.73, 18.52, gothic10, QStringLiteral("サービス種別"));
    heading("QRLabel12", 194.73, 12.17, gothic11, QStringLiteral("援助内容"));
    heading("QRLabel13", 228.60, 18.52, gothic10, QStringLiteral("＊２"));
    heading("QRLabel14", 249.77, 18.52, gothic10, QStringLiteral("頻度"));
    heading("QRLabel15", 264.58, 18.52, gothic10, QStringLiteral("期間"));

    // The body rows' rectangles, in the order in which the layout lists them; the footnotes in between.
    rowRectangles(Rows[0].top, Rows[0].height, 0);
    for (int r = 1; r < 4; ++r)
        rectangle({Columns[0].left, Rows[r].top, Columns[0].width, Rows[r].height});
    body.addLabel(
        QStringLiteral("QRLabel16"), {10.58, 158.75, 0, 3.44}, gothic9, Left, Auto,
        QStringLiteral("*1　「保険給付対象か否かの区分」について、保険給付対象内サービスについては○印を付す。"));
    body.addLabel(QStringLiteral("QRLabel17"), {10.58, 162.98, 0, 3.44}, gothic9, Left, Auto,
                  QStringLiteral("*2　「当該サービス提供を行う事業所」について記入する。"));
    for (const int r : {1, 3, 2})
        rowRectangles(Rows[r].top, Rows[r].height, 1);

    // The text boxes of the memos: QRRichText 4(k-1)+r in the k-th text column, row r; the first column's
    // second and third change places in the drawing order.
    const auto textBox = [&](int number) {
        const int k = (number - 1) / 4;
        const int r = (number - 1) % 4;
        const Column &column = Columns[TextColumns[k]];
        body.addRichText(numbered("QRRichText", number),
                         {column.contentLeft, Rows[r].textTop, column.contentWidth, Rows[r].textHeight}, mincho9);
    };
    for (const int number : {1, 3, 2})
        textBox(number);
    for (int number = 4; number <= 28; ++number)
        textBox(number);

    body.addLabel(QStringLiteral("QRLabel18"), {4.23, 4.23, 61.65, 4.50}, gothic10, Left, LabelSize::Fixed,
                  QStringLiteral("利用者氏名") + QString(16, QChar(0x3000)) + QStringLiteral("殿"));
    body.addRichText(QStringLiteral("QRRT_Name"), {25.40, 4.23, 32.01, 4.50}, reportFont(MsPMincho, 10));
    body.addRectangle(QStringLiteral("QRShape59"), {4.23, 9.00, 59.53, 0.26});

    // The labels of the periods and benefit marks, QRlbl_ 4(j-1)+r in the j-th label column, row r: the first
    // column's are drawn downwards, the others' upwards.
    const auto cellLabel = [&](int number) {
        const int c = LabelColumns[(number - 1) / 4];
        const int r = (number - 1) % 4;
        body.addLabel(numbered("QRlbl_", number),
                      {Columns[c].contentLeft, Rows[r].labelTop, Columns[c].contentWidth, LabelHeight},
                      c == MarkColumn ? gothic11 : mincho9, Left, LabelSize::Fixed);
    };
    for (const int number : {1, 2, 3, 4, 8, 7, 6, 5, 12, 11, 10, 9, 16, 15, 14, 13})
        cellLabel(number);
    body.addLabel(QStringLiteral("QRLabel20"), {238.13, 6.35, 34.13, 3.70}, gothic10, Qt::AlignRight, LabelSize::Fixed);
    body.addLabel(QStringLiteral("QRLabel19"), {219.60, 6.35, 0, 3.70}, gothic10, Left, Auto,
                  QStringLiteral("作成年月日"));
}

void TQR_Keikaku2::PrintPlan2()
{
    const auto fill = [this](const QString &element, const QString &text) { QuickRep1.element(element).text = text; };
    const auto period = [](int number) {
        return editorControl<QLineEdit>(F_Keikaku2, numbered("Edit", number))->text();
    };
    fill(QStringLiteral("QRRT_Name"), CurrentUserName);
    fill(QStringLiteral("QRLabel20"), editorControl<QLabel>(F_Keikaku1, QStringLiteral("Label16"))->text());
    for (int i = 1; i <= 28; ++i)
        fill(numbered("QRRichText", i), editorControl<QPlainTextEdit>(F_Keikaku2, numbered("Memo", i))->toPlainText());
    for (int i = 1; i <= 8; ++i)
        fill(numbered("QRlbl_", i), period(i));
    for (int i = 1; i <= 4; ++i)
        fill(numbered("QRlbl_", 8 + i), editorControl<QLabel>(F_Keikaku2, numbered("Label", 18 + i))->text());
    for (int i = 1; i <= 4; ++i)
        fill(numbered("QRlbl_", 12 + i), period(8 + i));
    showPreview(QuickRep1);
}
