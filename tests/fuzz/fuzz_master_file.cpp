// The master files: any content splits into entries that are written back byte for byte.
#include "FuzzSupport.h"
#include "masters/MasterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = fuzzInput(data, size);
    for (const MasterFile::ZeroByte zeroByte : {MasterFile::ZeroByte::InLine, MasterFile::ZeroByte::EndsText}) {
        const QList<QByteArray> entries = MasterFile::splitLines(content, zeroByte);
        QByteArray written;
        for (const QByteArray &entry : entries) {
            FUZZ_CHECK(!entry.contains('\r') && !entry.contains('\n'));
            written += entry + "\r\n";
        }
        FUZZ_CHECK(MasterFile::splitLines(written, zeroByte) == entries);
    }
    return 0;
}
