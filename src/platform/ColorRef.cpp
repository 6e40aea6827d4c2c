#include "ColorRef.h"

QColor colorFromRef(qint32 ref, const QPalette &palette)
{
    const auto bits = quint32(ref);
    if (bits & 0x80000000u) {
        // System colours: the indices the program's files can hold, each with its palette colour.
        switch (bits & 0xFF) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 9: // caption text
        case 18: // button text
            return palette.color(QPalette::ButtonText);
        case 15: // button face
            return palette.color(QPalette::Button);
        case 13: // highlight
            return palette.color(QPalette::Highlight);
        case 14: // highlighted text
            return palette.color(QPalette::HighlightedText);
        default: // 8, window text, and every other index
            return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 refFromColor(const QColor &color)
{
    return qint32(quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16));
}
