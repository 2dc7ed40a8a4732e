#include "settings/bounded_text.h"

namespace {

InvalidParameterReporter activeReporter = nullptr;

template <typename Char>
bool CopyBounded(Char* destination, size_t capacity, const Char* source)
{
    if (destination == nullptr || capacity == 0)
        return false;
    destination[0] = 0;
    if (source == nullptr)
        return true;
    size_t length = 0;
    while (length < capacity && source[length] != 0)
        ++length;
    if (length == capacity) {
        ReportInvalidParameter();
        return false;
    }
    for (size_t i = 0; i <= length; ++i)
        destination[i] = source[i];
    return true;
}

}  // namespace

bool CopyTextBounded(char16_t* destination, size_t capacity, const char16_t* source)
{
    return CopyBounded(destination, capacity, source);
}

bool CopyTextBounded(char* destination, size_t capacity, const char* source)
{
    return CopyBounded(destination, capacity, source);
}

size_t TextLength16(const char16_t* text, size_t limit)
{
    size_t length = 0;
    while (text != nullptr && length < limit && text[length] != 0)
        ++length;
    return length;
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
