#include "labels/label_catalogue.h"

#include <string.h>

#include "text/number_text.h"

void TrimSpaces(char* text)
{
    if (text == nullptr)
        return;
    const char* start = text;
    while (IsSpaceByte(*start))
        ++start;
    size_t length = strlen(start);
    while (length > 0 && IsSpaceByte(start[length - 1]))
        --length;
    memmove(text, start, length);
    text[length] = '\0';
}
