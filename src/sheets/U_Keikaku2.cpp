#include "U_Keikaku2.h"

#include "LineLimitedMemo.h"
#include "U_Kikan.h"
#include "plan/U_Gloval.h"
#include "platform/ClickLabel.h"
#include "platform/Fonts.h"
#include "platform/InputMode.h"
#include "platform/Shape.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <tuple>

TF_Keikaku2 *F_Keikaku2 = nullptr;

namespace {

const QString BenefitMark = QStringLiteral("○");

// The eleven columns of the table: the cell's left and width, and the left and width of the control in it.
struct Column
{
    int cellLeft, cellWidth, controlLeft, controlWidth;
};
const Column Columns[] = {
    {8, 122, 12, 115},  {129, 120, 132, 115}, {248, 41, 252, 34}, {288, 120, 290, 115},
    {407, 41, 410, 34}, {447, 173, 454, 160}, {619, 25, 620, 22}, {643, 94, 648, 84},
    {736, 81, 739, 76}, {816, 49, 819, 44},   {864, 40, 868, 34},
};
// The columns (zero-based) of the memos, the period boxes and the benefit marks, in the order of their numbering.
const int MemoColumns[] = {0, 1, 3, 5, 7, 8, 9};
const int PeriodColumns[] = {2, 4, 10};
constexpr int MarkColumn = 6;

// The four body rows. The period box of the last column sits a little higher in row 4.
struct Row
{
    int cellTop, cellHeight, memoTop, memoHeight, periodTop, lastPeriodTop, markTop, lineLimit;
};
const Row Rows[] = {
    {160, 105, 162, 100, 200, 200, 200, 8},
    {264, 105, 266, 100, 312, 312, 304, 8},
    {368, 105, 370, 100, 408, 408, 408, 8},
    {472, 73, 474, 68, 498, 488, 496, 5},
};

} // namespace

TF_Keikaku2::TF_Keikaku2()
    : Form(QStringLiteral("TF_Keikaku2"), QStringLiteral("居宅サービス計画書（２）"), Plan2Left, Plan2Top, 932, 625, 12)
{
    // Frames and rules first, outline only: everything else is drawn over them.
    int shapeNumber = 0;
    auto frame = [&](int left, int top, int width, int height) {
        place(new Shape(this), QStringLiteral("Shape%1").arg(++shapeNumber), left, top, width, height);
    };
    frame(8, 18, 49, 25);
    frame(8, 96, 193, 1);
    frame(8, 112, 122, 49);
    frame(129, 112, 319, 25);
    frame(447, 112, 457, 25);
    for (int c = 1; c < 11; ++c)
        frame(Columns[c].cellLeft, 136, Columns[c].cellWidth, 25);
    for (const Row &row : Rows) {
        for (const Column &column : Columns)
            frame(column.cellLeft, row.cellTop, column.cellWidth, row.cellHeight);
    }

    const QFont gothic13 = pixelFont(MsPGothic, 13);
    const QFont gothic12 = pixelFont(MsPGothic, 12);
    addLabel(QStringLiteral("Label1"), QStringLiteral("第２表"), 16, 24, gothic12);
    addLabel(QStringLiteral("Label2"), QStringLiteral("利用者氏名"), 8, 80, gothic13);
    m_userName = place(new QLabel(this), QStringLiteral("Label3"), 96, 80, 89, 17);
    m_userName->setFont(gothic13);
    addLabel(QStringLiteral("Label7"), QStringLiteral("殿"), 192, 80, gothic13);

    for (const auto &[name, caption, top] :
         {std::tuple{"Label_1", "生活全般の解決す", 120}, std::tuple{"Label23", "べき課題（ニーズ）", 140}}) {
        auto *heading = place(new QLabel(QString::fromUtf8(caption), this), QLatin1String(name), 16, top, 100, 17);
        heading->setFont(gothic12);
    }
    addLabel(QStringLiteral("Label4"), QStringLiteral("援助目標"), 264, 120, gothic12);
    addLabel(QStringLiteral("Label10"), QStringLiteral("援助内容"), 668, 120, gothic12);
    for (const auto &[name, caption, left] :
         {std::tuple{"Label5", "長期目標", 158}, std::tuple{"Label6", "期間", 256},
          std::tuple{"Label9", "短期目標", 316}, std::tuple{"Label8", "期間", 416},
          std::tuple{"Label11", "サービス内容", 484}, std::tuple{"Label12", "*1", 628},
          std::tuple{"Label13", "サービス種別", 652}, std::tuple{"Label14", "*2", 772},
          std::tuple{"Label16", "頻度", 828}, std::tuple{"Label15", "期間", 872}})
        addLabel(QLatin1String(name), QString::fromUtf8(caption), left, 144, gothic12);
    addLabel(QStringLiteral("Label17"),
             QStringLiteral("＊１　「保険給付対象か否かの区分」について、保険給付対象内サービスについては○印を付す。"),
             8, 552, gothic12);
    addLabel(QStringLiteral("Label18"), QStringLiteral("＊２　「当該サービスを行う事業所」について記入する。"), 8, 568,
             gothic12);

    // The controls of the cells, numbered down each column and then on to the next column of the same kind.
    // The memos of rows 1 to 3 fill their cells to the pixel: a stand-in font whose 8 lines are taller than
    // those memos is taken smaller, for all memos alike, so that every line shows and the frames stay visible.
    const QFont memoFont = LineLimitedMemo::fittingFont(gothic12, Rows[0].lineLimit, Rows[0].memoHeight);
    QList<QWidget *> tabOrder;
    int memoNumber = 0;
    for (const int c : MemoColumns) {
        for (const Row &row : Rows) {
            auto *memo = new LineLimitedMemo(this, row.lineLimit);
            memo->setObjectName(QStringLiteral("Memo%1").arg(++memoNumber));
            memo->setFont(memoFont);
            memo->place(Columns[c].controlLeft, row.memoTop, Columns[c].controlWidth, row.memoHeight);
            setJapaneseInput(memo, true);
            tabOrder.append(memo);
        }
    }
    for (const int c : PeriodColumns) {
        for (const Row &row : Rows) {
            const int top = c == PeriodColumns[2] ? row.lastPeriodTop : row.periodTop;
            auto *period = place(new QLineEdit(this), QStringLiteral("Edit%1").arg(m_periods.size() + 1),
                                 Columns[c].controlLeft, top, Columns[c].controlWidth, 18);
            period->setFont(pixelFont(MsPMincho, 12));
            period->setFrame(false);
            // The right button opens the period picker in place of the box's own menu.
            period->setContextMenuPolicy(Qt::NoContextMenu);
            period->installEventFilter(this);
            m_periods.append(period);
            tabOrder.append(period);
        }
    }
    for (int r = 0; r < 4; ++r) {
        auto *mark = place(new ClickLabel(this), QStringLiteral("Label%1").arg(19 + r), Columns[MarkColumn].controlLeft,
                           Rows[r].markTop, Columns[MarkColumn].controlWidth, 25);
        mark->setFont(pixelFont(MsPGothic, 21));
        mark->setText(BenefitMark);
        connect(mark, &ClickLabel::doubleClicked, this, [this, mark] { LabelDblClick(mark); });
    }

    auto *back = place(new QPushButton(QStringLiteral("戻る"), this), QStringLiteral("Button1"), 768, 552, 73, 25);
    connect(back, &QPushButton::clicked, this, &TF_Keikaku2::Button1Click);
    tabOrder.append(back);
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void TF_Keikaku2::FormActivate()
{
    m_userName->setText(CurrentUserName);
}

void TF_Keikaku2::Button1Click()
{
    close();
}

void TF_Keikaku2::LabelDblClick(QLabel *mark)
{
    mark->setText(mark->text() == BenefitMark ? QString() : BenefitMark);
}

void TF_Keikaku2::EditMouseDown(int number, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    PeriodTarget = number;
    F_Kikan->ShowModal();
}

bool TF_Keikaku2::eventFilter(QObject *watched, QEvent *event)
{
    const int index = int(m_periods.indexOf(qobject_cast<QLineEdit *>(watched)));
    if (index >= 0 && event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        EditMouseDown(index + 1, button);
        // A right press has done its work; any other press goes on to the box (caret, selection).
        return button == Qt::RightButton;
    }
    return Form::eventFilter(watched, event);
}

void TF_Keikaku2::FormClose()
{
    Plan2Top = y();
    Plan2Left = x();
}
