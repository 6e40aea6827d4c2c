// The Conf.txt reader: any content is read or refused with the not-a-number message.
#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "shell/ConfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        ReadConfText(fuzzInput(data, size));
    } catch (const AppError &error) {
        FUZZ_CHECK(error.message() == ioErrorMessage(106));
    }
    return 0;
}
