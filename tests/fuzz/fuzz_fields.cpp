// SplitFields and JoinFields: any line splits without failing, and fields joined again split back exactly.
#include "FuzzSupport.h"
#include "plan/U_Gloval.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(fuzzInput(data, size));
    FUZZ_CHECK(SplitFields(JoinFields(fields)) == fields);
    const QList<QByteArray> leading = SplitLeadingFields(fuzzInput(data, size), 12);
    FUZZ_CHECK(leading == fields.mid(0, 12));
    return 0;
}
