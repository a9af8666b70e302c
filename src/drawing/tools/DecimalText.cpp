#include "drawing/tools/DecimalText.h"

#include <charconv>

QString decimalText(float value)
{
    if (value == 0)
        value = 0; // no "-0" for a pointer a hair left of the edge
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, result.ptr - text);
}
