#include "U_Conf.h"

#include "plan/U_Gloval.h"
#include "platform/ColorRef.h"
#include "platform/Dialogs.h"
#include "platform/Shape.h"

#include <QLabel>
#include <QTabWidget>

TF_Conf *F_Conf = nullptr;

namespace {

struct SwatchRow
{
    const char *labelName;
    QString caption;
    int labelTop;
    const char *shapeName;
    int shapeTop;
    qint32 *setting;
    qint32 initialColor;
};

const std::array<SwatchRow, 4> &swatchRows()
{
    static const std::array<SwatchRow, 4> rows = {{
        {"Label1", QStringLiteral("計画入力済みの色（入力用）"), 40, "Shape1", 32, &InputMarkColor, 65535},
        {"Label2", QStringLiteral("計画入力済みの色（印刷用）"), 72, "Shape2", 64, &PrintMarkColor, 10789024},
        {"Label3", QStringLiteral("サービス名文字色（入力用）"), 104, "Shape3", 96, &InputServiceTextColor, 0},
        {"Label4", QStringLiteral("サービス名文字色（印刷用）"), 136, "Shape4", 128, &PrintServiceTextColor, 0},
    }};
    return rows;
}

} // namespace

TF_Conf::TF_Conf() : Form(QStringLiteral("TF_Conf"), QStringLiteral("環境設定"), 192, 114, 354, 300, 12)
{
    auto *pages = place(new QTabWidget(this), QStringLiteral("PageControl1"), 8, 8, 329, 249);
    const QStringList captions = {QStringLiteral("計画書１"), QStringLiteral("計画書２"), QStringLiteral("週間計画")};
    QWidget *weekly = nullptr;
    for (int i = 0; i < captions.size(); ++i) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        pages->addTab(page, captions.at(i));
        weekly = page;
    }
    pages->setCurrentWidget(weekly);

    for (int row = 0; row < 4; ++row) {
        const SwatchRow &r = swatchRows()[row];
        auto *label = new QLabel(r.caption, weekly);
        label->setObjectName(QLatin1String(r.labelName));
        label->move(8, r.labelTop);
        label->adjustSize();
        auto *swatch = new Shape(weekly);
        swatch->setObjectName(QLatin1String(r.shapeName));
        swatch->setGeometry(176, r.shapeTop, 25, 25);
        swatch->setFillColor(colorFromRef(r.initialColor, palette()));
        connect(swatch, &Shape::mousePressed, this, [this, row](Qt::MouseButton b) { ShapeMouseDown(row, b); });
        m_swatches[row] = swatch;
    }
}

void TF_Conf::FormActivate()
{
    for (int row = 0; row < 4; ++row)
        m_swatches[row]->setFillColor(colorFromRef(*swatchRows()[row].setting, palette()));
}

void TF_Conf::ShapeMouseDown(int row, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    guardEvent([&] {
        if (const auto color = chooseColor(this)) {
            m_swatches[row]->setFillColor(*color);
            *swatchRows()[row].setting = refFromColor(*color);
        }
    });
}
