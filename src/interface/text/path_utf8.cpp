#include "text/path_utf8.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

namespace {

bool IsUnicodeScalar(uint32_t c)
{
    return c != 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

/* Decodes one UTF-8 character at `text`; 0 bytes when it is malformed. */
size_t DecodeUtf8(const unsigned char* text, uint32_t* c)
{
    const unsigned char lead = text[0];
    size_t length = 0;
    uint32_t value = 0;
    uint32_t smallest = 0;
    if (lead < 0x80) {
        *c = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    /* A NUL is not a continuation byte, so this never reads past the end. */
    for (size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (text[i] & 0x3F);
    }
    if (value < smallest || !IsUnicodeScalar(value))
        return 0;
    *c = value;
    return length;
}

}  // namespace

/* The UTF-8 form of a wide path; false when it does not fit or holds a
   character that is not a Unicode scalar value. */
bool NarrowPathUtf8(char* narrow, size_t size, const wchar_t* wide)
{
    size_t used = 0;
    for (; *wide != L'\0'; ++wide) {
        uint32_t c = static_cast<uint32_t>(*wide);
        if (!IsUnicodeScalar(c))
            return false;
        unsigned char bytes[4];
        size_t length = 0;
        if (c < 0x80) {
            bytes[length++] = static_cast<unsigned char>(c);
        } else if (c < 0x800) {
            bytes[length++] = static_cast<unsigned char>(0xC0 | (c >> 6));
            bytes[length++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes[length++] = static_cast<unsigned char>(0xE0 | (c >> 12));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else {
            bytes[length++] = static_cast<unsigned char>(0xF0 | (c >> 18));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        }
        if (used + length >= size)
            return false;
        memcpy(narrow + used, bytes, length);
        used += length;
    }
    narrow[used] = '\0';
    return true;
}

/* A newly allocated wide copy of a UTF-8 path, or null. */
wchar_t* WidenPathUtf8(const char* narrow)
{
    size_t size = strlen(narrow) + 1;
    wchar_t* wide = static_cast<wchar_t*>(malloc(size * sizeof(wchar_t)));
    if (wide == nullptr)
        return nullptr;
    size_t used = 0;
    const unsigned char* text = reinterpret_cast<const unsigned char*>(narrow);
    while (*text != 0) {
        uint32_t c = 0;
        size_t length = DecodeUtf8(text, &c);
        if (length == 0) {
            free(wide);
            return nullptr;
        }
        wide[used++] = static_cast<wchar_t>(c);
        text += length;
    }
    wide[used] = L'\0';
    return wide;
}
