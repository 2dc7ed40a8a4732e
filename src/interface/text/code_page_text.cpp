#include "text/code_page_text.h"

#include <atomic>

#include "text/bounded_text.h"

namespace {

/* Entry points register the conversion lazily on whatever thread calls
   them first; an atomic keeps those repeated stores well defined. */
std::atomic<CodePageWidener> activeWidener{nullptr};

/* The longest 8-bit text the pages show: a label name or number text. */
constexpr size_t LongestShownText = 256;

}  // namespace

void SetCodePageWidener(CodePageWidener widener)
{
    activeWidener.store(widener, std::memory_order_relaxed);
}

size_t WidenCodePageBytes(char16_t* destination, size_t capacity, const char* text)
{
    size_t length = 0;
    while (length < capacity && text[length] != '\0')
        ++length;
    if (length == capacity)
        return 0;
    for (size_t i = 0; i <= length; ++i)
        destination[i] = static_cast<unsigned char>(text[i]);
    return length + 1;
}

bool WidenCodePageText(char16_t* destination, size_t capacity, const char* text)
{
    if (destination == nullptr || capacity == 0)
        return false;
    if (text == nullptr) {
        destination[0] = 0;
        return true;
    }
    CodePageWidener widener = activeWidener.load(std::memory_order_relaxed);
    if (widener == nullptr)
        widener = WidenCodePageBytes;
    if (widener(destination, capacity, text) != 0)
        return true;
    /* A conversion that ran out of room may have written part of the text. */
    for (size_t i = 0; i < capacity; ++i)
        destination[i] = 0;
    ReportInvalidParameter();
    return false;
}

bool AppendCodePageText(wchar_t* destination, size_t capacity, const char* text)
{
    char16_t converted[LongestShownText];
    wchar_t widened[LongestShownText];
    if (!WidenCodePageText(converted, LongestShownText, text)) {
        if (destination != nullptr && capacity > 0)
            destination[0] = 0;
        return false;
    }
    size_t i = 0;
    for (; converted[i] != 0; ++i)
        widened[i] = static_cast<wchar_t>(converted[i]);
    widened[i] = 0;
    return AppendTextBounded(destination, capacity, widened);
}
