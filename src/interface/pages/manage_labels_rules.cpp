#include "pages/manage_labels_rules.h"

#include <stdio.h>
#include <string.h>

#include "labels/number_text.h"
#include "settings/bounded_text.h"

namespace {

char FoldLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IdInUse(const ManageWorkingList& list, int id)
{
    for (int i = 0; i < list.Count; ++i)
        if (list.Labels[i].id == id)
            return true;
    return false;
}

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

bool SameLabelName(const char* first, const char* second)
{
    for (;; ++first, ++second) {
        if (FoldLetter(*first) != FoldLetter(*second))
            return false;
        if (*first == 0)
            return true;
    }
}

int FindNameClash(const ManageWorkingList& list, const char* name, int ignoredIndex)
{
    for (int i = 0; i < list.Count; ++i)
        if (i != ignoredIndex && SameLabelName(list.Labels[i].name, name))
            return i;
    return -1;
}

int NextLabelId(const ManageWorkingList& list)
{
    if (list.Count <= 0)
        return FirstLabelId;
    /* Last + 1 keeps the numbering users have seen so far; past the id range
     * the loader would renumber the label onto a position that may be taken,
     * and an imported list may already use last + 1. */
    const int following = list.Labels[list.Count - 1].id + 1;
    if (following >= FirstLabelId && following <= MaxLabelId && !IdInUse(list, following))
        return following;
    for (int id = FirstLabelId; id <= MaxLabelId; ++id)
        if (!IdInUse(list, id))
            return id;
    return FirstLabelId;
}

void RemoveLabelAt(ManageWorkingList* list, int index)
{
    if (index < 0 || index >= list->Count)
        return;
    memmove(&list->Labels[index], &list->Labels[index + 1],
            sizeof(LabelEntry) * static_cast<size_t>(list->Count - index - 1));
    --list->Count;
}

const LabelSizeLimits& LimitsOfUnits(int units)
{
    const LabelSizeLimits* limits = FindLabelSizeLimits(units);
    return limits != nullptr ? *limits : LabelSizeLimitsTable[Millimetres];
}

bool IsDecimalInRange(const char* text, const LabelRange& range)
{
    const double value = ReadLeadingDouble(text);
    return value >= range.Minimum && value <= range.Maximum;
}

bool NormaliseOffsetText(char* text, size_t size)
{
    const int value = ReadLeadingInteger(text);
    if (value < LabelOffsetRange.Minimum || value > LabelOffsetRange.Maximum)
        return false;
    char normalised[16];
    snprintf(normalised, sizeof normalised, "%d", value);
    return CopyTextBounded(text, size, normalised);
}

bool FormatRangeText(char* text, size_t size, double minimum, double maximum)
{
    char low[32];
    char high[32];
    if (size == 0)
        return false;
    text[0] = 0;
    if (!FormatFixed2(low, sizeof low, minimum) || !FormatFixed2(high, sizeof high, maximum))
        return false;
    const int written = snprintf(text, size, "%s - %s", low, high);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        text[0] = 0;
        ReportInvalidParameter();
        return false;
    }
    return true;
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
