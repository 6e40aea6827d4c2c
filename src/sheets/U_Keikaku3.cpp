#include "U_Keikaku3.h"

#include "LineLimitedMemo.h"
#include "WeeklyCell.h"
#include "masters/U_Service.h"
#include "plan/U_Gloval.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/InputMode.h"
#include "platform/Shape.h"

#include <QLabel>
#include <QLineEdit>

TF_Keikaku3 *F_Keikaku3 = nullptr;

namespace {

constexpr int FirstCellNumber = 32; // cell k is Label(32 + k)
constexpr int WholeHeight = 17;
constexpr int HalfHeight = 8;
constexpr int LowerHalfOffset = 9; // the lower half begins 9 pixels below the upper one
constexpr int ServiceNameMaxBytes = 12;

// The top of a whole cell, and of its upper half, in hour row r.
int wholeTop(int row)
{
    return 24 * row + 12;
}

// The service name with which a click marks a cell: what stands in the service master's name box, cut to
// 12 bytes of whole characters.
QString currentServiceName()
{
    return Cp932::cutToBytes(F_Service->Edit1->text(), ServiceNameMaxBytes);
}

} // namespace

TF_Keikaku3::TF_Keikaku3()
    : Form(QStringLiteral("TF_Keikaku3"), QStringLiteral("週間サービス計画表"), WeeklyLeft, WeeklyTop, 891, 699, 12)
{
    // Frames first: the captions, cells and boxes lie over them.
    const QColor face = palette().color(QPalette::Button);
    auto frame = [&](int left, int top, int width, int height) {
        place(new Shape(this), QString(), left, top, width, height)->setFillColor(face);
    };
    struct Day
    {
        QString caption;
        int captionLeft, frameLeft, cellLeft;
    };
    const Day days[7] = {
        {QStringLiteral("月"), 116, 80, 82},   {QStringLiteral("火"), 204, 169, 171},
        {QStringLiteral("水"), 292, 257, 259}, {QStringLiteral("木"), 380, 345, 347},
        {QStringLiteral("金"), 468, 433, 435}, {QStringLiteral("土"), 556, 521, 523},
        {QStringLiteral("日"), 644, 609, 611},
    };
    frame(0, 8, 25, 25);
    frame(24, 8, 57, 601);
    struct Band
    {
        int top, height;
        QString first, second;
        int firstTop, secondTop;
    };
    const Band bands[5] = {
        {32, 100, QStringLiteral("早"), QStringLiteral("朝"), 48, 88},
        {128, 100, QStringLiteral("午"), QStringLiteral("前"), 152, 192},
        {224, 150, QStringLiteral("午"), QStringLiteral("後"), 272, 312},
        {368, 100, QStringLiteral("夜"), QStringLiteral("間"), 392, 432},
        {464, 145, QStringLiteral("深"), QStringLiteral("夜"), 504, 544},
    };
    for (const Band &band : bands)
        frame(0, band.top, 25, band.height);
    for (const Day &day : days) {
        frame(day.frameLeft, 8, 90, 25);
        for (int row = 1; row <= WeeklyRowCount; ++row)
            frame(day.frameLeft, 24 * row + 8, 90, 25);
    }
    frame(697, 8, 169, 25);
    for (int n = 1; n <= WeeklyRowCount; ++n)
        frame(698, 24 * n + 8, 168, 25);
    frame(0, 608, 81, 41);
    frame(80, 608, 786, 41);

    const QFont font15 = pixelFont(MsPGothic, 15);
    for (int d = 0; d < 7; ++d)
        addLabel(QStringLiteral("Label%1").arg(d + 1), days[d].caption, days[d].captionLeft, 14,
                 pixelFont(MsPGothic, 16));
    addLabel(QStringLiteral("Label8"), QStringLiteral("主な日常生活上の活動"), 706, 14, font15);
    for (int b = 0; b < 5; ++b) {
        addLabel(QStringLiteral("Label%1").arg(9 + 2 * b), bands[b].first, 5, bands[b].firstTop, font15);
        addLabel(QStringLiteral("Label%1").arg(10 + 2 * b), bands[b].second, 5, bands[b].secondTop, font15);
    }
    // Each hour caption stands centred on the line where its hour begins; the last one at the grid's bottom.
    const QStringList hours = {QStringLiteral("４：００"),   QStringLiteral("６：００"),   QStringLiteral("８：００"),
                               QStringLiteral("１０：００"), QStringLiteral("１２：００"), QStringLiteral("１４：００"),
                               QStringLiteral("１６：００"), QStringLiteral("１８：００"), QStringLiteral("２０：００"),
                               QStringLiteral("２２：００"), QStringLiteral("２４：００"), QStringLiteral("２：００")};
    auto hourLabel = [&](int number, const QString &caption, int top) {
        auto *label = place(new QLabel(caption, this), QStringLiteral("Label%1").arg(number), 28, top, 50, 12);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    for (int j = 0; j < hours.size(); ++j)
        hourLabel(19 + j, hours.at(j), 26 + 48 * j);
    hourLabel(31, hours.at(0), 594);
    addLabel(QStringLiteral("Label200"), QStringLiteral("週単位以外"), 8, 616, font());
    addLabel(QStringLiteral("Label201"), QStringLiteral("のサービス"), 8, 632, font());

    for (int k = 0; k < WeeklyCellCount; ++k) {
        const int row = k % WeeklyRowCount + 1;
        auto *cell = place(new WeeklyCell(this, row), QStringLiteral("Label%1").arg(FirstCellNumber + k),
                           days[k / WeeklyRowCount].cellLeft, wholeTop(row), 86, WholeHeight);
        connect(cell, &WeeklyCell::mousePressed, this,
                [this, cell](Qt::MouseButton button, Qt::KeyboardModifiers keys) {
                    guardEvent([&] { Label32MouseDown(cell, button, keys); });
                });
    }

    QWidget *previous = nullptr;
    for (int n = 1; n <= WeeklyRowCount; ++n) {
        auto *edit = place(new QLineEdit(this), QStringLiteral("Edit%1").arg(n), 700, 24 * n + 12, 163, 18);
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }
    auto *memo = new LineLimitedMemo(this, 2);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->place(84, 612, 777, 33);
    setJapaneseInput(memo, true);
    setTabOrder(previous, memo);
}

void TF_Keikaku3::Label32MouseDown(WeeklyCell *cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::RightButton) {
        // Choosing a service: whatever the master's name box holds when it closes marks the next cells.
        F_Service->ShowModal();
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const int k = NumberFromName(cell->objectName()) - FirstCellNumber;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);

    if (cell->backgroundRef() == WhiteColorRef) {
        // Marking: with the service's name, or with Shift the colour alone.
        if (!shift)
            cell->setText(currentServiceName());
        cell->setBackgroundRef(InputMarkColor);
        cell->setTextColorRef(InputServiceTextColor);
        CellHalf[k] = 0;
    } else if (shift && !ctrl) {
        clearCell(cell, k);
    } else if (cell->text().isEmpty()) {
        // A colour-only mark: Ctrl narrows it to half hours, a plain click names it and keeps its size.
        if (ctrl && !shift)
            splitStep(cell, k);
        else if (!ctrl && !shift)
            cell->setText(currentServiceName());
    }
}

void TF_Keikaku3::clearCell(WeeklyCell *cell, int k)
{
    cell->setText(QString());
    cell->setBackgroundRef(WhiteColorRef);
    cell->setTopAndHeight(wholeTop(cell->tag()), WholeHeight);
    CellHalf[k] = 0;
}

// One step of the half-hour cycle, whole -> upper half -> lower half -> whole. The stage is one for the whole
// grid, so the steps of cells split one after another interleave.
void TF_Keikaku3::splitStep(WeeklyCell *cell, int k)
{
    if (cell->height() == WholeHeight) {
        cell->setTopAndHeight(cell->y(), HalfHeight);
        SplitStage = 1;
        CellHalf[k] = 1;
    } else if (SplitStage == 1) {
        // The lower half of the cell's own row, also for a cell that is there already.
        cell->setTopAndHeight(wholeTop(cell->tag()) + LowerHalfOffset, HalfHeight);
        SplitStage = 2;
        CellHalf[k] = 2;
    } else if (SplitStage == 2) {
        cell->setTopAndHeight(wholeTop(cell->tag()), WholeHeight);
        SplitStage = 0;
        CellHalf[k] = 0;
    }
}

void TF_Keikaku3::FormClose()
{
    for (int k = 0; k < WeeklyCellCount; ++k) {
        if (const auto *cell = findChild<WeeklyCell *>(QStringLiteral("Label%1").arg(FirstCellNumber + k))) {
            CellText[k] = cell->text();
            CellMarked[k] = cell->backgroundRef() != WhiteColorRef;
            CellTextColoured[k] = cell->textColorRef() != 0;
        }
    }
    for (int n = 1; n <= WeeklyRowCount; ++n) {
        if (const auto *edit = findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n)))
            ActivityText[n - 1] = edit->text();
    }
    WeeklyTop = y();
    WeeklyLeft = x();
}
