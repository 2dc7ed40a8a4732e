#include "settings/label_name_widener.h"

#include <atomic>

#include "settings/bounded_text.h"

namespace {

/* Entry points register the conversion lazily on whatever thread calls
   them first; an atomic keeps those repeated stores well defined. */
std::atomic<LabelNameWidener> activeWidener{nullptr};

}  // namespace

void SetLabelNameWidener(LabelNameWidener widener)
{
    activeWidener.store(widener, std::memory_order_relaxed);
}

size_t WidenLabelNameBytes(char16_t* destination, size_t capacity, const char* name)
{
    size_t length = 0;
    while (length < capacity && name[length] != '\0')
        ++length;
    if (length == capacity)
        return 0;
    for (size_t i = 0; i <= length; ++i)
        destination[i] = static_cast<unsigned char>(name[i]);
    return length + 1;
}

bool WidenLabelName(char16_t* destination, size_t capacity, const char* name)
{
    if (destination == nullptr || capacity == 0)
        return false;
    if (name == nullptr) {
        destination[0] = 0;
        return true;
    }
    LabelNameWidener widener = activeWidener.load(std::memory_order_relaxed);
    if (widener == nullptr)
        widener = WidenLabelNameBytes;
    if (widener(destination, capacity, name) != 0)
        return true;
    /* A conversion that ran out of room may have written part of the name. */
    for (size_t i = 0; i < capacity; ++i)
        destination[i] = 0;
    ReportInvalidParameter();
    return false;
}
