#include "PlanFields.h"

#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Keikaku3.h"
#include "sheets/WeeklyCell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

enum class Kind {
    Text,           // the text of an edit box, drop-down box or label, as it stands
    FirstLine,      // the first displayed line of a memo; loaded back as the memo's text
    Memo,           // the whole text of a memo, its line breaks escaped
    CellCaption,    // a weekly cell: its text (escaped on saving, loaded as stored)
    CellBackground, // … its background colour reference
    CellTextColor,  // … its text colour reference
    CellTop,        // … its top
    CellHeight,     // … its height
};

struct FieldControl
{
    QWidget *control;
    Kind kind;
    QString sheet; // where the field stands, for messages
    QString item;
};

const QString Sheet1 = QStringLiteral("居宅サービス計画書（１）");
const QString Sheet2 = QStringLiteral("居宅サービス計画書（２）");
const QString Weekly = QStringLiteral("週間サービス計画表");

QWidget *controlOf(QWidget *window, const QString &name)
{
    QWidget *control = window->findChild<QWidget *>(name);
    if (!control)
        qFatal("the editor %s has no control %s", qPrintable(window->objectName()), qPrintable(name));
    return control;
}

// The table, built once: every field's control, found by name in its editor, with the item it holds.
const QList<FieldControl> &fieldControls()
{
    static const QList<FieldControl> table = [] {
        QList<FieldControl> t;
        auto add = [&](QWidget *window, const QString &name, Kind kind, const QString &sheet, const QString &item) {
            t.append({controlOf(window, name), kind, sheet, item});
        };
        struct Sheet1Field
        {
            const char *name;
            Kind kind;
            QString item;
        };
        const Sheet1Field sheet1[] = {
            {"ComboBox1", Kind::Text, QStringLiteral("利用者氏名")},
            {"Label15", Kind::Text, QStringLiteral("生年月日")},
            {"Label12", Kind::Text, QStringLiteral("住所")},
            {"ComboBox2", Kind::Text, QStringLiteral("居宅サービス計画作成者氏名")},
            {"Edit1", Kind::Text, QStringLiteral("居宅介護支援事業者・事業所名")},
            {"Edit2", Kind::Text, QStringLiteral("居宅介護支援事業者・事業所の所在地")},
            {"Label16", Kind::Text, QStringLiteral("居宅サービス計画作成（変更）日")},
            {"Label17", Kind::Text, QStringLiteral("初回居宅サービス計画作成日")},
            {"Label18", Kind::Text, QStringLiteral("認定日")},
            {"Label19", Kind::Text, QStringLiteral("認定の有効期間（始め）")},
            {"Label21", Kind::Text, QStringLiteral("認定の有効期間（終わり）")},
            {"Memo_1", Kind::FirstLine, QStringLiteral("要介護状態区分")},
            {"Memo_2", Kind::Memo, QStringLiteral("利用者及び家族の生活に対する意向")},
            {"Memo_3", Kind::Memo, QStringLiteral("介護認定審査会の意見及びサービスの種類の指定")},
            {"Memo_4", Kind::Memo, QStringLiteral("総合的な援助の方針")},
            {"Memo_5", Kind::FirstLine, QStringLiteral("生活援助中心型の算定理由")},
            {"Label13", Kind::Text, QStringLiteral("初回・紹介・継続")},
            {"Label14", Kind::Text, QStringLiteral("認定済・申請中")},
        };
        for (const Sheet1Field &f : sheet1)
            add(F_Keikaku1, QLatin1String(f.name), f.kind, Sheet1, f.item);

        const QStringList memoColumns = {QStringLiteral("生活全般の解決すべき課題（ニーズ）"), QStringLiteral("長期目標"),
                                         QStringLiteral("短期目標"), QStringLiteral("サービス内容"),
                                         QStringLiteral("サービス種別"), QStringLiteral("当該サービスを行う事業所"),
                                         QStringLiteral("頻度")};
        const QStringList periodColumns = {QStringLiteral("長期目標の期間"), QStringLiteral("短期目標の期間"),
                                           QStringLiteral("援助内容の期間")};
        auto row = [](int index) { return QStringLiteral("（%1段目）").arg(index % 4 + 1); };
        for (int i = 0; i < 28; ++i)
            add(F_Keikaku2, QStringLiteral("Memo%1").arg(i + 1), Kind::Memo, Sheet2, memoColumns.at(i / 4) + row(i));
        for (int i = 0; i < 12; ++i)
            add(F_Keikaku2, QStringLiteral("Edit%1").arg(i + 1), Kind::Text, Sheet2, periodColumns.at(i / 4) + row(i));
        for (int i = 0; i < 4; ++i)
            add(F_Keikaku2, QStringLiteral("Label%1").arg(19 + i), Kind::Text, Sheet2,
                QStringLiteral("保険給付対象の区分") + row(i));

        const QString days = QStringLiteral("月火水木金土日");
        auto hour = [](int row) { return QStringLiteral("%1時").arg((row + 3) % 24); };
        for (int k = 0; k < WeeklyCellCount; ++k) {
            const QString where = QStringLiteral("%1曜日 %2の枠").arg(days.at(k / 24)).arg(hour(k % 24 + 1));
            const QString name = QStringLiteral("Label%1").arg(32 + k);
            for (Kind kind : {Kind::CellCaption, Kind::CellBackground, Kind::CellTextColor, Kind::CellTop, Kind::CellHeight})
                add(F_Keikaku3, name, kind, Weekly, where);
        }
        for (int n = 1; n <= WeeklyRowCount; ++n)
            add(F_Keikaku3, QStringLiteral("Edit%1").arg(n), Kind::Text, Weekly,
                QStringLiteral("主な日常生活上の活動（%1）").arg(hour(n)));
        add(F_Keikaku3, QStringLiteral("Memo1"), Kind::Memo, Weekly, QStringLiteral("週単位以外のサービス"));
        Q_ASSERT(t.size() == PlanFieldCount);
        return t;
    }();
    return table;
}

// The text a field saves, before encoding (memo line breaks as CR LF).
QString textOf(const FieldControl &f)
{
    if (auto *box = qobject_cast<QComboBox *>(f.control))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(f.control))
        return edit->text();
    if (auto *memo = qobject_cast<LineLimitedMemo *>(f.control)) {
        if (f.kind == Kind::FirstLine)
            return memo->firstDisplayedLine();
        return memo->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    auto *cell = qobject_cast<WeeklyCell *>(f.control);
    switch (f.kind) {
    case Kind::CellBackground:
        return QString::number(cell->backgroundRef());
    case Kind::CellTextColor:
        return QString::number(cell->textColorRef());
    case Kind::CellTop:
        return QString::number(cell->y());
    case Kind::CellHeight:
        return QString::number(cell->height());
    default:
        return qobject_cast<QLabel *>(f.control)->text();
    }
}

} // namespace

std::optional<QString> UnsavableCharacterMessage()
{
    for (const FieldControl &f : fieldControls()) {
        const QString bad = Cp932::firstUnencodable(textOf(f));
        if (!bad.isEmpty())
            return QStringLiteral("%1の「%2」に、%3").arg(f.sheet, f.item, Cp932::unencodableMessage(bad));
    }
    return std::nullopt;
}

QList<QByteArray> CollectPlanFields()
{
    QList<QByteArray> fields;
    fields.reserve(PlanFieldCount);
    for (const FieldControl &f : fieldControls()) {
        const QByteArray bytes = Cp932::encode(textOf(f));
        fields.append(f.kind == Kind::Memo || f.kind == Kind::CellCaption ? EscapeLineBreaks(bytes) : bytes);
    }
    return fields;
}

void LoadPlanFields(const PlanRecord &record)
{
    const QList<FieldControl> &table = fieldControls();
    for (int i = 0; i < record.loadableFields; ++i) {
        const FieldControl &f = table.at(i);
        const QByteArray &value = record.fields.at(i);
        if (auto *box = qobject_cast<QComboBox *>(f.control)) {
            F_Keikaku1->setNameWithoutLookup(box, ShownText(value));
            if (i == 0)
                CurrentUserName = box->currentText();
        } else if (auto *edit = qobject_cast<QLineEdit *>(f.control)) {
            edit->setText(ShownText(value));
        } else if (auto *memo = qobject_cast<LineLimitedMemo *>(f.control)) {
            const QByteArray text = f.kind == Kind::Memo ? UnescapeLineBreaks(value) : value;
            memo->setPlainText(ShownText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        } else if (auto *cell = qobject_cast<WeeklyCell *>(f.control)) {
            const int k = (i + 1 - PlanFields::CellFirst) / PlanFields::PerCell;
            const PlanCell &c = record.cells[k];
            switch (f.kind) {
            case Kind::CellCaption:
                cell->setText(ShownText(c.caption));
                break;
            case Kind::CellBackground:
                cell->setBackgroundRef(c.background);
                break;
            case Kind::CellTextColor:
                cell->setTextColorRef(c.textColor);
                break;
            case Kind::CellTop:
                cell->setTopAndHeight(c.top, cell->height());
                break;
            default:
                cell->setTopAndHeight(cell->y(), c.height);
                CellHalf[k] = HalfStateOf(c.top, c.height);
                break;
            }
        } else {
            qobject_cast<QLabel *>(f.control)->setText(ShownText(value));
        }
    }
    // The weekly snapshot follows the loaded grid at once, so that the weekly sheet prints the loaded plan.
    F_Keikaku3->TakeSnapshot();
    if (record.failure)
        throw AppError(*record.failure);
}
