#pragma once

// What the fuzz targets share: the input as bytes, and a check that stops the run when a property fails.

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

#define FUZZ_CHECK(condition)                                                                                         \
    do {                                                                                                              \
        if (!(condition)) {                                                                                           \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                    \
            std::abort();                                                                                             \
        }                                                                                                             \
    } while (false)
