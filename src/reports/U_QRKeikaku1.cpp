#include "U_QRKeikaku1.h"

#include "platform/Fonts.h"
#include "sheets/U_Keikaku1.h"
#include "shell/PagePreview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TQR_Keikaku1 *QR_Keikaku1 = nullptr;

namespace {

// A control of the sheet (1) editor by its name; the editor always has them.
template <typename T> const T *editorControl(const QString &name)
{
    const T *control = F_Keikaku1->findChild<T *>(name);
    if (!control)
        qFatal("The sheet (1) editor has no control %s", qPrintable(name));
    return control;
}

QString caption(const QString &name)
{
    return editorControl<QLabel>(name)->text();
}

} // namespace

TQR_Keikaku1::TQR_Keikaku1() : QuickRep1(57.94, 139.70)
{
    setObjectName(QStringLiteral("TQR_Keikaku1"));

    const QFont gothic9 = reportFont(MsPGothic, 9);
    const QFont gothic10 = reportFont(MsPGothic, 10);
    const QFont gothic11 = reportFont(MsPGothic, 11);
    const QFont gothic20 = reportFont(MsPGothic, 20);
    const QFont mincho11 = reportFont(MsPMincho, 11);
    const QFont mincho12 = reportFont(MsPMincho, 12);
    constexpr Qt::Alignment Left = Qt::AlignLeft;
    constexpr LabelSize Auto = LabelSize::Auto;

    ElementList &header = QuickRep1.header;
    header.addLabel(QStringLiteral("QRLbl_Jusyo"), {116.42, 35.98, 0, 4.50}, mincho11, Left, Auto);
    header.addLabel(QStringLiteral("QRLbl_Syamei"), {82.55, 35.98, 0, 4.50}, mincho11, Left, Auto);
    header.addLabel(QStringLiteral("QRLbl_Sakusei"), {61.38, 27.52, 0, 4.50}, mincho11, Left, Auto);
    header.addLabel(QStringLiteral("QRLabel4"), {2.12, 27.52, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("居宅サービス計画作成者氏名"));
    header.addRectangle(QStringLiteral("QRShape13"), {243.42, 10.58, 17.20, 6.61});
    header.addRectangle(QStringLiteral("QRShape12"), {215.90, 10.58, 15.08, 6.61});
    header.addLabel(QStringLiteral("QRLabel2"), {86.78, 2.12, 0, 9.00}, gothic20, Left, Auto,
                    QStringLiteral("居宅サービス計画書（１）"));
    header.addLabel(QStringLiteral("QRLbl_Kai"), {220.13, 12.70, 0, 3.97}, gothic9, Left, Auto);
    header.addLabel(QStringLiteral("QRLbl_Nintei"), {247.65, 12.70, 0, 3.70}, gothic9, Left, Auto);
    header.addLabel(QStringLiteral("QRLabel3"), {2.12, 19.05, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("利用者氏名"));
    header.addLabel(QStringLiteral("QRLabel5"), {2.12, 35.98, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("居宅介護支援事業者・事業署名及び所在地"));
    header.addLabel(QStringLiteral("QRLabel6"), {2.12, 44.45, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("居宅サービス計画作成（変更）日"));
    header.addLabel(QStringLiteral("QRLabel7"), {2.12, 52.92, 0, 4.50}, gothic11, Left, Auto, QStringLiteral("認定日"));
    header.addLabel(QStringLiteral("QRLabel8"), {63.50, 19.05, 0, 4.23}, gothic11, Left, Auto, QStringLiteral("殿"));
    header.addLabel(QStringLiteral("QRLabel9"), {76.20, 19.05, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("生年月日"));
    header.addLabel(QStringLiteral("QRLabel10"), {137.58, 19.05, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("住所"));
    header.addLabel(QStringLiteral("QRLabel11"), {105.83, 44.45, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("初回居宅サービス計画作成日"));
    header.addLabel(QStringLiteral("QRLabel12"), {61.38, 52.92, 0, 4.50}, gothic11, Left, Auto,
                    QStringLiteral("認定の有効期間"));
    header.addRichText(QStringLiteral("QRRTxt_Name"), {25.40, 19.05, 36.25, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Umare"), {97.37, 19.05, 32.01, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Jusyo"), {148.17, 19.05, 112.45, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Keikakubi"), {59.27, 43.92, 36.25, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Ninteibi"), {19.05, 52.39, 36.25, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Syokaibi"), {160.87, 43.92, 38.36, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Kikan1"), {93.13, 52.39, 33.87, 4.50}, mincho11);
    header.addRichText(QStringLiteral("QRRTxt_Kikan2"), {136.26, 52.39, 36.25, 4.50}, mincho11);
    header.addLabel(QStringLiteral("QRLabel13"), {129.12, 52.92, 0, 4.50}, gothic11, Left, Auto, QStringLiteral("～"));
    header.addRectangle(QStringLiteral("QRShape14"), {2.12, 23.81, 65.88, 0.26});
    header.addRectangle(QStringLiteral("QRShape16"), {2.12, 32.28, 93.40, 0.26});
    header.addRectangle(QStringLiteral("QRShape15"), {2.12, 40.48, 258.50, 0.26});
    header.addRectangle(QStringLiteral("QRShape17"), {2.12, 49.21, 93.40, 0.26});
    header.addRectangle(QStringLiteral("QRShape18"), {2.12, 57.68, 53.18, 0.26});
    header.addRectangle(QStringLiteral("QRShape19"), {61.38, 57.41, 116.68, 0.26});
    header.addRectangle(QStringLiteral("QRShape20"), {105.83, 49.21, 93.40, 0.26});
    header.addRectangle(QStringLiteral("QRShape21"), {76.20, 23.81, 55.30, 0.26});
    header.addRectangle(QStringLiteral("QRShape22"), {137.58, 23.81, 123.03, 0.26});

    // The body: five rows of a caption cell and a content cell, then the consent line.
    ElementList &body = QuickRep1.body;
    body.addRectangle(QStringLiteral("QRShape2"), {105.83, 1.32, 159.01, 10.85});
    body.addRichText(QStringLiteral("QR_RTxt12"), {107.95, 3.44, 154.78, 6.61}, mincho12);
    body.addRectangle(QStringLiteral("QRShape3"), {2.12, 1.32, 103.98, 10.85});
    body.addRichText(QStringLiteral("QR_RTxt11"), {4.23, 3.44, 99.75, 6.61}, gothic11);
    body.addRectangle(QStringLiteral("QRShape8"), {2.12, 12.70, 29.90, 32.01});
    body.addRectangle(QStringLiteral("QRShape9"), {31.75, 12.70, 233.10, 32.01});
    body.addRichText(QStringLiteral("QR_RTxt21"), {4.23, 14.82, 25.66, 27.78}, gothic11);
    body.addRichText(QStringLiteral("QR_RTxt22"), {33.87, 14.82, 228.86, 27.78}, mincho12);
    body.addRectangle(QStringLiteral("QRShape4"), {2.12, 45.24, 29.90, 21.43});
    body.addRectangle(QStringLiteral("QRShape5"), {31.75, 45.24, 233.10, 21.43});
    body.addRectangle(QStringLiteral("QRShape6"), {31.75, 67.20, 233.10, 38.36});
    body.addRectangle(QStringLiteral("QRShape7"), {2.12, 67.20, 29.90, 38.36});
    body.addRectangle(QStringLiteral("QRShape10"), {31.75, 106.10, 233.10, 10.85});
    body.addRectangle(QStringLiteral("QRShape11"), {2.12, 106.10, 29.90, 10.85});
    body.addRichText(QStringLiteral("QR_RTxt31"), {4.23, 47.36, 25.66, 17.20}, gothic9);
    body.addRichText(QStringLiteral("QR_RTxt32"), {33.87, 47.36, 228.86, 17.20}, mincho12);
    body.addRichText(QStringLiteral("QR_RTxt41"), {4.23, 69.32, 25.66, 34.13}, gothic11);
    body.addRichText(QStringLiteral("QR_RTxt42"), {33.87, 69.32, 228.86, 34.13}, mincho12);
    body.addRichText(QStringLiteral("QR_RTxt51"), {4.23, 107.16, 25.66, 9.26}, gothic9);
    body.addRichText(QStringLiteral("QR_RTxt52"), {33.87, 108.48, 228.86, 6.61}, mincho12);
    body.addRectangle(QStringLiteral("QRShape1"), {31.75, 117.47, 95.51, 10.85});
    body.addLabel(QStringLiteral("QRLabel14"), {32.81, 121.71, 0, 3.70}, gothic10, Left, Auto,
                  QStringLiteral("居宅サービス計画書の説明を受け、内容に同意し受領しました。"));
    body.addRectangle(QStringLiteral("QRShape23"), {127.00, 117.47, 19.31, 10.85});
    body.addLabel(QStringLiteral("QRLabel15"), {128.06, 121.71, 17.46, 3.70}, gothic10, Qt::AlignHCenter, Auto,
                  QStringLiteral("同意年月日"));
    body.addRectangle(QStringLiteral("QRShape24"), {146.05, 117.47, 38.36, 10.85});
    // A blank date form, written in by hand.
    body.addLabel(QStringLiteral("QRLabel16"), {146.58, 121.71, 37.04, 3.70}, gothic10, Qt::AlignRight,
                  LabelSize::Fixed, QStringLiteral("平成　　  年　　 月 　   日"));
    body.addRectangle(QStringLiteral("QRShape25"), {184.15, 117.47, 23.55, 10.85});
    body.addLabel(QStringLiteral("QRLabel17"), {185.21, 121.71, 0, 3.70}, gothic10, Left, Auto,
                  QStringLiteral("利用者確認欄"));
    body.addRectangle(QStringLiteral("QRShape26"), {207.43, 117.47, 57.41, 10.85});
    body.addLabel(QStringLiteral("QRLabel18"), {256.12, 120.65, 0, 5.29}, mincho12, Left, Auto, QStringLiteral("印"));
}

void TQR_Keikaku1::PrintPlan1()
{
    const auto fill = [this](const QString &element, const QString &text) { QuickRep1.element(element).text = text; };
    fill(QStringLiteral("QRLbl_Kai"), caption(QStringLiteral("Label13")));
    fill(QStringLiteral("QRLbl_Nintei"), caption(QStringLiteral("Label14")));
    fill(QStringLiteral("QRRTxt_Name"), editorControl<QComboBox>(QStringLiteral("ComboBox1"))->currentText());
    fill(QStringLiteral("QRLbl_Sakusei"), editorControl<QComboBox>(QStringLiteral("ComboBox2"))->currentText());
    fill(QStringLiteral("QRLbl_Syamei"), editorControl<QLineEdit>(QStringLiteral("Edit1"))->text());
    fill(QStringLiteral("QRLbl_Jusyo"), editorControl<QLineEdit>(QStringLiteral("Edit2"))->text());
    fill(QStringLiteral("QRRTxt_Umare"), caption(QStringLiteral("Label15")));
    fill(QStringLiteral("QRRTxt_Jusyo"), caption(QStringLiteral("Label12")));
    fill(QStringLiteral("QRRTxt_Keikakubi"), caption(QStringLiteral("Label16")));
    fill(QStringLiteral("QRRTxt_Syokaibi"), caption(QStringLiteral("Label17")));
    fill(QStringLiteral("QRRTxt_Ninteibi"), caption(QStringLiteral("Label18")));
    fill(QStringLiteral("QRRTxt_Kikan1"), caption(QStringLiteral("Label19")));
    fill(QStringLiteral("QRRTxt_Kikan2"), caption(QStringLiteral("Label21")));
    // The five rows: the caption of Label_n and the text of Memo_n into QR_RTxtn1 and QR_RTxtn2.
    for (int row = 1; row <= 5; ++row) {
        const QString n = QString::number(row);
        fill(QStringLiteral("QR_RTxt") + n + u'1', caption(QStringLiteral("Label_") + n));
        fill(QStringLiteral("QR_RTxt") + n + u'2',
             editorControl<QPlainTextEdit>(QStringLiteral("Memo_") + n)->toPlainText());
    }
    showPreview(QuickRep1);
}
