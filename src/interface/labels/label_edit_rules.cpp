#include "labels/label_edit_rules.h"

#include <string.h>

#include "text/bounded_text.h"
#include "text/number_text.h"

namespace {

char FoldLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IdInUse(const LabelEntry* labels, int count, int id)
{
    for (int i = 0; i < count; ++i)
        if (labels[i].id == id)
            return true;
    return false;
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

int FindLabelNamed(const LabelEntry* labels, int count, const char* name, int ignoredIndex)
{
    for (int i = 0; i < count; ++i)
        if (i != ignoredIndex && SameLabelName(labels[i].name, name))
            return i;
    return -1;
}

int FindLabelNamed(const LabelList& list, const char* name, int ignoredIndex)
{
    return FindLabelNamed(list.Labels, list.Count, name, ignoredIndex);
}

int NextLabelId(const LabelEntry* labels, int count)
{
    if (count <= 0)
        return FirstLabelId;
    /* Last + 1 keeps the numbering users have seen so far; past the id range
     * the loader would renumber the label onto a position that may be taken,
     * and an imported list may already use last + 1. */
    const int following = labels[count - 1].id + 1;
    if (following >= FirstLabelId && following <= MaxLabelId && !IdInUse(labels, count, following))
        return following;
    for (int id = FirstLabelId; id <= MaxLabelId; ++id)
        if (!IdInUse(labels, count, id))
            return id;
    return FirstLabelId;
}

int NextLabelId(const LabelList& list)
{
    return NextLabelId(list.Labels, list.Count);
}

void RemoveLabelAt(LabelEntry* labels, int* count, int index)
{
    if (index < 0 || index >= *count)
        return;
    memmove(&labels[index], &labels[index + 1], sizeof(LabelEntry) * static_cast<size_t>(*count - index - 1));
    --*count;
}

void RemoveLabelAt(LabelList* list, int index)
{
    RemoveLabelAt(list->Labels, &list->Count, index);
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
    return FormatTextBounded(normalised, sizeof normalised, "%d", value) &&
           CopyTextBounded(text, size, normalised);
}

bool FormatRangeText(char* text, size_t size, double minimum, double maximum)
{
    char low[LabelRangeTextSize];
    char high[LabelRangeTextSize];
    if (size == 0)
        return false;
    text[0] = 0;
    if (!FormatFixed2(low, sizeof low, minimum) || !FormatFixed2(high, sizeof high, maximum))
        return false;
    return FormatTextBounded(text, size, "%s - %s", low, high);
}

bool FormatOffsetRangeText(char* text, size_t size)
{
    return FormatTextBounded(text, size, "%d - %d", static_cast<int>(LabelOffsetRange.Minimum),
                             static_cast<int>(LabelOffsetRange.Maximum));
}
