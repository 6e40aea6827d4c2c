// The era date text: any text is converted or refused with the not-a-date message.
#include "FuzzSupport.h"
#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Cp932::decode(fuzzInput(data, size));
    try {
        const QString era = EraDateText(text);
        FUZZ_CHECK(era.endsWith(QStringLiteral("日")));
    } catch (const AppError &error) {
        FUZZ_CHECK(error.message().endsWith(QStringLiteral("は日付または時刻ではありません")));
    }
    return 0;
}
