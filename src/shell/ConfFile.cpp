#include "ConfFile.h"

#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/FileIo.h"

#include <array>

namespace {

constexpr qint32 DefaultInputMarkColor = 65535;    // yellow
constexpr qint32 DefaultPrintMarkColor = 10789024; // medium grey
constexpr int NotANumberCode = 106;
constexpr qsizetype MaxTokenLength = 32;
constexpr char CtrlZ = 0x1A;

const std::array<qint32 *, 10> Settings = {&InputMarkColor, &PrintMarkColor, &InputServiceTextColor,
                                           &PrintServiceTextColor, &Plan1Top, &Plan1Left, &Plan2Top,
                                           &Plan2Left, &WeeklyTop, &WeeklyLeft};

} // namespace

void ReadConfText(const QByteArray &content)
{
    const qsizetype n = content.size();
    qsizetype i = 0;
    // At its end: no byte left, or the next byte is Ctrl-Z.
    auto atEnd = [&] { return i >= n || content.at(i) == CtrlZ; };

    while (!atEnd()) {
        // One block of ten values. A block that finds no number at all (an empty line at the end of the
        // file) leaves the settings as they were; a block with some numbers sets the values it lacks to 0.
        bool foundNumber = false;
        for (qint32 *setting : Settings) {
            while (!atEnd() && static_cast<unsigned char>(content.at(i)) <= 0x20)
                ++i;
            qint32 value = 0;
            if (!atEnd()) {
                const qsizetype start = i;
                while (i < n && i - start < MaxTokenLength && static_cast<unsigned char>(content.at(i)) > 0x20)
                    ++i;
                const auto parsed = ParseInteger(content.mid(start, i - start));
                if (!parsed)
                    throw ioError(NotANumberCode);
                value = *parsed;
                foundNumber = true;
                // The rest of the line, up to and including its line end.
                while (!atEnd() && content.at(i) != '\n')
                    ++i;
                if (i < n && content.at(i) == '\n')
                    ++i;
            }
            if (foundNumber)
                *setting = value;
        }
    }
}

void ReadConfFile()
{
    ReadConfText(FileIo::readAll(ConfFileName, FileIo::OpenFailure::Guarded));
}

void WriteConfFile()
{
    QByteArray content;
    for (qint32 *setting : Settings) {
        qint32 value = *setting;
        if (setting == &InputMarkColor && value == 0)
            value = DefaultInputMarkColor;
        else if (setting == &PrintMarkColor && value == 0)
            value = DefaultPrintMarkColor;
        content.append(QByteArray::number(value)).append("\r\n");
    }
    FileIo::replaceFile(ConfFileName, content, ioErrorMessage(GuardedOpenFailureCode));
}
