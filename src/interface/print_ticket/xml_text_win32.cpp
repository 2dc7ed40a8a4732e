/* Composing a document's text. */
#include "print_ticket/xml_text_win32.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace {

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

/* Whether the character at `at` (a whole pair for a high surrogate) is
 * one XML 1.0 allows, other than tab, line feed and carriage return. */
bool IsXmlCharacter(const wchar_t* at)
{
    const wchar_t c = *at;
    if (IsHighSurrogate(c))
        return IsLowSurrogate(at[1]);
    return c >= 0x20 && !IsLowSurrogate(c) && c != 0xFFFE && c != 0xFFFF;
}

}  // namespace

XmlText::~XmlText()
{
    free(Data);
}

bool XmlText::Reserve(size_t more)
{
    if (Failed)
        return false;
    if (Length + more + 1 <= Capacity)
        return true;
    size_t capacity = Capacity == 0 ? 16384 : Capacity * 2;
    while (capacity < Length + more + 1)
        capacity *= 2;
    wchar_t* grown = static_cast<wchar_t*>(realloc(Data, capacity * sizeof(wchar_t)));
    if (grown == nullptr) {
        Failed = true;
        return false;
    }
    Data = grown;
    Capacity = capacity;
    return true;
}

void XmlText::Append(const wchar_t* text)
{
    AppendUnits(text, wcslen(text));
}

void XmlText::AppendAscii(const char* text)
{
    const size_t length = strlen(text);
    if (!Reserve(length))
        return;
    for (size_t i = 0; i <= length; ++i)
        Data[Length + i] = static_cast<unsigned char>(text[i]);
    Length += length;
}

void XmlText::AppendUnits(const wchar_t* units, size_t count)
{
    if (!Reserve(count))
        return;
    memcpy(Data + Length, units, count * sizeof(wchar_t));
    Length += count;
    Data[Length] = L'\0';
}

/* Markup characters become entities; tab, line feed and carriage return
 * become character references, which a parser keeps as they are (a
 * literal one would be normalised: a carriage return to a line feed, any
 * of them to a space in an attribute).  What XML 1.0 cannot carry at all
 * (the other C0 controls, U+FFFE, U+FFFF, an unpaired surrogate) is left
 * out: a label name holding one is found again by its paper id
 * (ticket_conversion.h). */
void XmlText::AppendEscaped(const wchar_t* text)
{
    for (; *text != L'\0'; ++text) {
        const wchar_t c = *text;
        switch (c) {
        case L'<':
            Append(L"&lt;");
            break;
        case L'>':
            Append(L"&gt;");
            break;
        case L'&':
            Append(L"&amp;");
            break;
        case L'"':
            Append(L"&quot;");
            break;
        case L'\t':
            Append(L"&#9;");
            break;
        case L'\n':
            Append(L"&#10;");
            break;
        case L'\r':
            Append(L"&#13;");
            break;
        default:
            if (IsXmlCharacter(text)) {
                const size_t units = IsHighSurrogate(c) ? 2 : 1;
                AppendUnits(text, units);
                text += units - 1;
            }
        }
    }
}

void XmlText::AppendNumber(int64_t value)
{
    char digits[32];
    snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    AppendAscii(digits);
}

wchar_t* XmlText::Take()
{
    if (Failed)
        return nullptr;
    wchar_t* text = Data;
    Data = nullptr;
    Length = Capacity = 0;
    return text;
}
