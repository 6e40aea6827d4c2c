// The code page 932 codec: any bytes decode; text that decodes without undefined sequences encodes back to the
// same characters.
#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Cp932::decode(fuzzInput(data, size));
    FUZZ_CHECK(text.size() <= qsizetype(size));
    if (!text.contains(QChar(0xFFFD))) {
        const QByteArray again = Cp932::encode(text);
        FUZZ_CHECK(Cp932::decode(again) == text);
    }
    FUZZ_CHECK(Cp932::cutToBytes(text, 12).size() <= 12);
    return 0;
}
