// The line-reading rule: any content gives lines without line ends; escaping a line break round-trips.
#include "FuzzSupport.h"
#include "plan/U_Gloval.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = fuzzInput(data, size);
    for (const QByteArray &line : SplitTextLines(content)) {
        FUZZ_CHECK(!line.contains('\n') && !line.contains('\r'));
        const QByteArray escaped = EscapeLineBreaks(line);
        FUZZ_CHECK(!escaped.contains('\n') && !escaped.contains('\r'));
        UnescapeLineBreaks(escaped);
    }
    return 0;
}
