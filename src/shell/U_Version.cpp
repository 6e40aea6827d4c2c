#include "U_Version.h"

#include "platform/Fonts.h"

#include <QLabel>

TF_Version *F_Version = nullptr;

TF_Version::TF_Version() : Form(QStringLiteral("TF_Version"), QStringLiteral("version 情報"), 192, 107, 282, 206, 12)
{
    addLabel(QStringLiteral("Label1"), QStringLiteral("居宅介護サービス計画「ぴむ」"), 32, 24, pixelFont(MsPGothic, 16, true),
             Qt::black);
    auto *notice = place(new QLabel(QStringLiteral("ケアプラン作成支援ソフトウェア"), this), QStringLiteral("Label2"),
                         32, 104, 193, 12);
    notice->setFont(font());
    addLabel(QStringLiteral("Label3"), QStringLiteral("version 0.1.0"), 32, 136, font());
}
