#include "labels/catalogue_json.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <cjson/cJSON.h>

#include "labels/number_text.h"
#include "settings/bounded_text.h"

namespace {

enum class RangeKind { Width, Length, Offset };

/* The number texts of a label, in the order the loader repairs them. */
struct NumberMemberRule {
    const char* key;
    char (LabelEntry::*field)[LabelNumberTextSize];
    RangeKind range;
    LabelNumberStyle style;
};

const NumberMemberRule NumberMemberRules[] = {
    {"width", &LabelEntry::width, RangeKind::Width, TwoDecimals},
    {"length", &LabelEntry::length, RangeKind::Length, TwoDecimals},
    {"horzOffset", &LabelEntry::horzOffset, RangeKind::Offset, WholeNumber},
    {"vertOffset", &LabelEntry::vertOffset, RangeKind::Offset, WholeNumber},
};

const LabelRange& RangeFor(RangeKind kind, const LabelSizeLimits& limits)
{
    switch (kind) {
    case RangeKind::Width: return limits.Width;
    case RangeKind::Length: return limits.Length;
    case RangeKind::Offset: break;
    }
    return LabelOffsetRange;
}

const cJSON* FindStringMember(const cJSON* object, const char* key)
{
    const cJSON* member = cJSON_GetObjectItem(object, key);
    return cJSON_IsString(member) && member->valuestring != nullptr ? member : nullptr;
}

void WriteDefaultNumber(char* field, size_t fieldSize, double value, LabelNumberStyle style)
{
    if (style == TwoDecimals) {
        FormatFixed2(field, fieldSize, value);
        return;
    }
    int written = snprintf(field, fieldSize, "%d", static_cast<int>(value));
    if (written < 0 || static_cast<size_t>(written) >= fieldSize) field[0] = '\0';
}

void ReadLabelName(char* name, size_t nameSize, const cJSON* object, int position)
{
    const cJSON* member = FindStringMember(object, "name");
    if (member != nullptr) {
        CopyTextBounded(name, nameSize, member->valuestring);
        return;
    }
    snprintf(name, nameSize, "No Name %d", position + 1);
}

}  // namespace

void ReadLabelNumberText(char* field, size_t fieldSize, const cJSON* object,
                         const char* key, const LabelRange& range,
                         LabelNumberStyle style)
{
    const cJSON* member = FindStringMember(object, key);
    if (member != nullptr) {
        /* A text that does not fit leaves the field empty rather than cut:
           a cut number would be a different number. */
        CopyTextBounded(field, fieldSize, member->valuestring);
        double value = ReadLeadingDouble(field);
        if (range.Minimum <= value && value <= range.Maximum) return;
    }
    WriteDefaultNumber(field, fieldSize, range.Default, style);
}

int ReadLabelInteger(const cJSON* object, const char* key, int minimum,
                     int maximum, int defaultValue)
{
    const cJSON* member = cJSON_GetObjectItem(object, key);
    if (!cJSON_IsNumber(member)) return defaultValue;
    /* Range-checked as a double first: an out-of-range double has no int. */
    double whole = trunc(member->valuedouble);
    if (whole >= minimum && whole <= maximum) return static_cast<int>(whole);
    return defaultValue;
}

void ReadLabelEntry(LabelEntry* entry, const cJSON* child, int position)
{
    /* A child that is not an object has no members: all defaults. */
    const cJSON* object = cJSON_IsObject(child) ? child : nullptr;
    ReadLabelName(entry->name, sizeof entry->name, object, position);
    entry->units = ReadLabelInteger(object, "units", Millimetres, TenthMillimetres, Inches);
    const LabelSizeLimits& limits = *FindLabelSizeLimits(entry->units);
    for (const NumberMemberRule& rule : NumberMemberRules) {
        ReadLabelNumberText(entry->*rule.field, LabelNumberTextSize, object,
                            rule.key, RangeFor(rule.range, limits), rule.style);
    }
    int id = ReadLabelInteger(object, "id", FirstLabelId, MaxLabelId, 0);
    /* Deliberately not checked against the other labels' ids. */
    entry->id = id != 0 ? id : position + FirstLabelId;
}

int ParseLabelCatalogue(const char* text, LabelEntry* entries, int capacity)
{
    if (text == nullptr || entries == nullptr || capacity <= 0) return 0;
    while (*text != '\0' && static_cast<unsigned char>(*text) <= 32) ++text;
    if (*text == '\0') return 0;
    /* cJSON_Parse stops after the first value; what follows is ignored. */
    cJSON* root = cJSON_Parse(text);
    if (root == nullptr) return 0;
    int limit = capacity < MaxLabels ? capacity : MaxLabels;
    int count = 0;
    for (const cJSON* child = root->child; child != nullptr && count < limit;
         child = child->next) {
        ReadLabelEntry(&entries[count], child, count);
        ++count;
    }
    cJSON_Delete(root);
    return count;
}
