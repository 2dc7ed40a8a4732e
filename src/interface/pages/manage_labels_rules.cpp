#include "pages/manage_labels_rules.h"

#include <stdio.h>
#include <string.h>

#include "text/number_text.h"
#include "text/bounded_text.h"

namespace {

wchar_t Widen(wchar_t c) { return c; }

/* The 8-bit texts composed here are ASCII digits and signs. */
wchar_t Widen(char c) { return static_cast<unsigned char>(c); }

/* Appends `text` behind `length` characters; false when it does not fit. */
template <typename Char>
bool AppendText(wchar_t* dest, size_t capacity, size_t* length, const Char* text)
{
    for (size_t i = 0; text[i] != 0; ++i) {
        if (*length + 1 >= capacity)
            return false;
        dest[(*length)++] = Widen(text[i]);
    }
    dest[*length] = 0;
    return true;
}

}  // namespace

int FindNameClash(const ManageWorkingList& list, const char* name, int ignoredIndex)
{
    return FindLabelNamed(list.Labels, list.Count, name, ignoredIndex);
}

int NextLabelId(const ManageWorkingList& list)
{
    return NextLabelId(list.Labels, list.Count);
}

void RemoveLabelAt(ManageWorkingList* list, int index)
{
    RemoveLabelAt(list->Labels, &list->Count, index);
}

bool ConvertSizeText(const char* text, int fromUnits, int toUnits, char* converted, size_t size)
{
    return FormatFixed2(converted, size, ConvertLabelUnits(ReadLeadingDouble(text), fromUnits, toUnits));
}

bool ComposeRangeMessage(wchar_t* body, size_t capacity, const wchar_t* message,
                         const wchar_t* validRange, const char* range)
{
    if (capacity == 0)
        return false;
    size_t length = 0;
    body[0] = 0;
    if (AppendText(body, capacity, &length, message) && AppendText(body, capacity, &length, L"\n") &&
        AppendText(body, capacity, &length, validRange) && AppendText(body, capacity, &length, L" ") &&
        AppendText(body, capacity, &length, range))
        return true;
    body[0] = 0;
    ReportInvalidParameter();
    return false;
}
