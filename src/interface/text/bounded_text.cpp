#include "text/bounded_text.h"

#include <stdio.h>

namespace {

InvalidParameterReporter activeReporter = nullptr;

/* The longest formatted piece AppendFormatBounded composes: one number or
 * a few words. */
constexpr size_t FormattedPieceSize = 128;

template <typename Char>
size_t LengthUpTo(const Char* text, size_t limit)
{
    size_t length = 0;
    while (text != nullptr && length < limit && text[length] != 0)
        ++length;
    return length;
}

template <typename Char>
bool CopyBounded(Char* destination, size_t capacity, const Char* source)
{
    if (destination == nullptr || capacity == 0)
        return false;
    destination[0] = 0;
    if (source == nullptr)
        return true;
    const size_t length = LengthUpTo(source, capacity);
    if (length == capacity) {
        ReportInvalidParameter();
        return false;
    }
    for (size_t i = 0; i <= length; ++i)
        destination[i] = source[i];
    return true;
}

/* The piece is converted character by character by `widen`. */
template <typename Char, typename PieceChar, typename Widen>
bool AppendBounded(Char* destination, size_t capacity, const PieceChar* piece, Widen widen)
{
    if (destination == nullptr || capacity == 0)
        return false;
    const size_t used = LengthUpTo(destination, capacity);
    const size_t added = LengthUpTo(piece, capacity);
    if (used == capacity || added >= capacity - used) {
        destination[0] = 0;
        ReportInvalidParameter();
        return false;
    }
    for (size_t i = 0; i < added; ++i)
        destination[used + i] = widen(piece[i]);
    destination[used + added] = 0;
    return true;
}

template <typename Char>
Char Same(Char c)
{
    return c;
}

wchar_t WidenAscii(char c)
{
    return static_cast<wchar_t>(static_cast<unsigned char>(c));
}

}  // namespace

bool CopyTextBounded(char* destination, size_t capacity, const char* source)
{
    return CopyBounded(destination, capacity, source);
}

bool CopyTextBounded(wchar_t* destination, size_t capacity, const wchar_t* source)
{
    return CopyBounded(destination, capacity, source);
}

bool CopyTextBounded(char16_t* destination, size_t capacity, const char16_t* source)
{
    return CopyBounded(destination, capacity, source);
}

bool AppendTextBounded(char* destination, size_t capacity, const char* piece)
{
    return AppendBounded(destination, capacity, piece, Same<char>);
}

bool AppendTextBounded(wchar_t* destination, size_t capacity, const wchar_t* piece)
{
    return AppendBounded(destination, capacity, piece, Same<wchar_t>);
}

bool AppendAsciiBounded(wchar_t* destination, size_t capacity, const char* piece)
{
    return AppendBounded(destination, capacity, piece, WidenAscii);
}

bool FormatTextBoundedV(char* destination, size_t capacity, const char* format, va_list arguments)
{
    if (destination == nullptr || capacity == 0)
        return false;
    const int written = vsnprintf(destination, capacity, format, arguments);
    if (written >= 0 && static_cast<size_t>(written) < capacity)
        return true;
    destination[0] = 0;
    ReportInvalidParameter();
    return false;
}

bool FormatTextBounded(char* destination, size_t capacity, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const bool fitted = FormatTextBoundedV(destination, capacity, format, arguments);
    va_end(arguments);
    return fitted;
}

bool AppendFormatBounded(wchar_t* destination, size_t capacity, const char* format, ...)
{
    char piece[FormattedPieceSize];
    va_list arguments;
    va_start(arguments, format);
    const bool formatted = FormatTextBoundedV(piece, sizeof piece, format, arguments);
    va_end(arguments);
    if (!formatted) {
        if (destination != nullptr && capacity > 0)
            destination[0] = 0;
        return false;
    }
    return AppendAsciiBounded(destination, capacity, piece);
}

void CutTextToFit(wchar_t* destination, size_t capacity, const wchar_t* source)
{
    if (destination == nullptr || capacity == 0)
        return;
    destination[0] = 0;
    AppendCutToFit(destination, capacity, source);
}

void AppendCutToFit(wchar_t* destination, size_t capacity, const wchar_t* piece)
{
    if (destination == nullptr || capacity == 0)
        return;
    size_t used = LengthUpTo(destination, capacity - 1);
    for (size_t i = 0; piece != nullptr && piece[i] != 0 && used < capacity - 1; ++i)
        destination[used++] = piece[i];
    destination[used] = 0;
}

size_t TextLength(const char* text, size_t limit)
{
    return LengthUpTo(text, limit);
}

size_t TextLength(const wchar_t* text, size_t limit)
{
    return LengthUpTo(text, limit);
}

size_t TextLength(const char16_t* text, size_t limit)
{
    return LengthUpTo(text, limit);
}

void SetInvalidParameterReporter(InvalidParameterReporter reporter)
{
    activeReporter = reporter;
}

void ReportInvalidParameter()
{
    if (activeReporter != nullptr)
        activeReporter("Invalid parameter passed to C runtime function.\n");
}
