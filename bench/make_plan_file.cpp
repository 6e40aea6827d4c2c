// Writes a plan data file of realistic plans for the benchmarks: make_plan_file <file> <count>
// Each plan is one 927-field line of about 6 KB: two hundred users, texts of several lines in every memo, a few
// dozen marked cells, the activities of the day.

#include "plan/PlanFile.h"
#include "plan/U_Gloval.h"
#include "platform/Cp932.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>

namespace {

const QStringList Phrases = {
    QStringLiteral("自宅で安心して生活を続けたい"), QStringLiteral("転倒せずに室内を歩けるようになる"),
    QStringLiteral("入浴を週二回、介助を受けて行う"), QStringLiteral("服薬を忘れずに続けられるよう支援する"),
    QStringLiteral("家族の介護負担を軽くする"), QStringLiteral("通所介護で他者と交流し、閉じこもりを防ぐ"),
    QStringLiteral("栄養バランスのよい食事を一日三回とる"), QStringLiteral("福祉用具（手すり・歩行器）を活用する"),
};
const QStringList Services = {QStringLiteral("訪問介護"), QStringLiteral("通所介護"), QStringLiteral("訪問看護"),
                              QStringLiteral("身体介護"), QStringLiteral("生活援助")};

QByteArray text(QRandomGenerator &random, int lines)
{
    QStringList result;
    for (int i = 0; i < lines; ++i)
        result << Phrases.at(random.bounded(Phrases.size())) + QStringLiteral("。");
    return EscapeLineBreaks(Cp932::encode(result.join(QStringLiteral("\r\n"))));
}

QByteArray planLine(QRandomGenerator &random, int index)
{
    QList<QByteArray> f;
    const int user = random.bounded(200);
    f << Cp932::encode(QStringLiteral("利用者 %1号").arg(user)) << Cp932::encode(QStringLiteral("昭和10年4月12日"))
      << Cp932::encode(QStringLiteral("東京都世田谷区見本町%1-2-3").arg(user)) << Cp932::encode(QStringLiteral("介護 一郎"))
      << Cp932::encode(QStringLiteral("ひまわり居宅介護支援事業所")) << Cp932::encode(QStringLiteral("東京都世田谷区見本町4-5-6"))
      << Cp932::encode(QStringLiteral("令和%1年%2月%3日").arg(index % 7 + 1, 2, 10, QChar(u'0')).arg(index % 12 + 1).arg(index % 28 + 1))
      << Cp932::encode(QStringLiteral("令和01年5月1日")) << Cp932::encode(QStringLiteral("令和06年3月20日"))
      << Cp932::encode(QStringLiteral("令和06年4月1日")) << Cp932::encode(QStringLiteral("令和08年3月31日"))
      << Cp932::encode(QStringLiteral("要介護%1").arg(random.bounded(1, 6))) << text(random, 4) << text(random, 2)
      << text(random, 4) << Cp932::encode(QStringLiteral("一人暮らし")) << Cp932::encode(QStringLiteral("継続"))
      << Cp932::encode(QStringLiteral("認定済"));
    for (int k = 0; k < 28; ++k)
        f << text(random, k % 2 ? 2 : 1);
    for (int k = 0; k < 12; ++k)
        f << Cp932::encode(QStringLiteral("6ヶ月"));
    for (int k = 0; k < 4; ++k)
        f << Cp932::encode(QStringLiteral("○"));
    for (int k = 0; k < WeeklyCellCount; ++k) {
        const bool marked = random.bounded(6) == 0;
        const int row = k % 24 + 1;
        f << (marked ? Cp932::encode(Services.at(random.bounded(Services.size()))) : QByteArray())
          << QByteArray::number(marked ? 65535 : 16777215) << QByteArray::number(marked ? 0 : -2147483640)
          << QByteArray::number(24 * row + 12) << "17";
    }
    for (int n = 0; n < WeeklyRowCount; ++n)
        f << Cp932::encode(n == 2 ? QStringLiteral("起床") : n == 4 ? QStringLiteral("朝食") : QString());
    f << text(random, 2);
    return JoinFields(f);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_plan_file <file> <count>\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QRandomGenerator random(20081015);
    const int count = QByteArray(argv[2]).toInt();
    for (int i = 0; i < count; ++i)
        file.write(planLine(random, i) + "\r\n");
    return 0;
}
