#include "labels/catalogue_json.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <cjson/cJSON.h>

#include "text/bounded_text.h"
#include "text/number_text.h"

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

/* How reading one member went: whether the loader had to repair it, and
 * the string it found when there was one. */
struct MemberOutcome {
    bool repaired;
    LabelRepairKind kind;
    const char* found;
};

constexpr MemberOutcome MemberFine = {false, LabelRepairKind::MemberMissing, nullptr};

MemberOutcome Repaired(LabelRepairKind kind, const char* found = nullptr)
{
    return {true, kind, found};
}

const LabelRange& RangeFor(RangeKind kind, const LabelSizeLimits& limits)
{
    switch (kind) {
    case RangeKind::Width:
        return limits.Width;
    case RangeKind::Length:
        return limits.Length;
    case RangeKind::Offset:
        break;
    }
    return LabelOffsetRange;
}

/* True when member `key` exists with the wanted JSON type; otherwise
 * `outcome` tells whether it was missing or of another type. */
bool FindTypedMember(const cJSON* object, const char* key, bool wantString, const cJSON** member,
                     MemberOutcome* outcome)
{
    *member = cJSON_GetObjectItem(object, key);
    if (*member == nullptr) {
        *outcome = Repaired(LabelRepairKind::MemberMissing);
        return false;
    }
    bool typed =
        wantString ? cJSON_IsString(*member) && (*member)->valuestring != nullptr : cJSON_IsNumber(*member);
    if (!typed) {
        *outcome = Repaired(LabelRepairKind::WrongType);
        return false;
    }
    return true;
}

void WriteDefaultNumber(char* field, size_t fieldSize, double value, LabelNumberStyle style)
{
    if (style == TwoDecimals) {
        FormatFixed2(field, fieldSize, value);
        return;
    }
    FormatTextBounded(field, fieldSize, "%d", static_cast<int>(value));
}

MemberOutcome ReadNumberTextMember(char* field, size_t fieldSize, const cJSON* object, const char* key,
                                   const LabelRange& range, LabelNumberStyle style)
{
    const cJSON* member = nullptr;
    MemberOutcome outcome = MemberFine;
    if (FindTypedMember(object, key, true, &member, &outcome)) {
        /* A text that does not fit leaves the field empty rather than cut:
           a cut number would be a different number. */
        const char* found = member->valuestring;
        bool fitted = CopyTextBounded(field, fieldSize, found);
        double value = ReadLeadingDouble(field);
        if (range.Minimum <= value && value <= range.Maximum)
            return fitted ? MemberFine : Repaired(LabelRepairKind::TextTooLong, found);
        outcome = Repaired(fitted ? LabelRepairKind::OutOfRange : LabelRepairKind::TextTooLong, found);
    }
    WriteDefaultNumber(field, fieldSize, range.Default, style);
    return outcome;
}

MemberOutcome ReadIntegerMember(int* value, const cJSON* object, const char* key, int minimum, int maximum,
                                int defaultValue)
{
    const cJSON* member = nullptr;
    MemberOutcome outcome = MemberFine;
    *value = defaultValue;
    if (!FindTypedMember(object, key, false, &member, &outcome))
        return outcome;
    /* Range-checked as a double first: an out-of-range double has no int. */
    double whole = trunc(member->valuedouble);
    if (!(whole >= minimum && whole <= maximum))
        return Repaired(LabelRepairKind::OutOfRange);
    *value = static_cast<int>(whole);
    return whole == member->valuedouble ? MemberFine : Repaired(LabelRepairKind::NotWholeNumber);
}

MemberOutcome ReadLabelName(char* name, size_t nameSize, const cJSON* object, int position)
{
    const cJSON* member = nullptr;
    MemberOutcome outcome = MemberFine;
    if (FindTypedMember(object, "name", true, &member, &outcome)) {
        if (CopyTextBounded(name, nameSize, member->valuestring))
            return MemberFine;
        return Repaired(LabelRepairKind::TextTooLong, member->valuestring);
    }
    FormatTextBounded(name, nameSize, "No Name %d", position + 1);
    return outcome;
}

/* Tells `repairs`, when there is one, what happened to one member. */
class RepairReporter {
public:
    RepairReporter(const LabelRepairSink* repairs, const LabelEntry* entry, int position)
        : repairs_(repairs), entry_(entry), position_(position)
    {}

    void Member(const char* key, const MemberOutcome& outcome) const
    {
        if (outcome.repaired)
            Report(outcome.kind, key, outcome.found, 0);
    }

    void Report(LabelRepairKind kind, const char* key, const char* found, long long detail) const
    {
        LabelRepairNote note = {kind, position_, key, found, entry_, detail};
        ReportLabelRepair(repairs_, note);
    }

private:
    const LabelRepairSink* repairs_;
    const LabelEntry* entry_;
    int position_;
};

bool HasTextBetween(const char* from, const char* end)
{
    for (; from < end; ++from)
        if (static_cast<unsigned char>(*from) > 32)
            return true;
    return false;
}

}  // namespace

void ReadLabelNumberText(char* field, size_t fieldSize, const cJSON* object, const char* key,
                         const LabelRange& range, LabelNumberStyle style)
{
    ReadNumberTextMember(field, fieldSize, object, key, range, style);
}

int ReadLabelInteger(const cJSON* object, const char* key, int minimum, int maximum, int defaultValue)
{
    int value = defaultValue;
    ReadIntegerMember(&value, object, key, minimum, maximum, defaultValue);
    return value;
}

void ReadLabelEntry(LabelEntry* entry, const cJSON* child, int position, const LabelRepairSink* repairs)
{
    /* A child that is not an object has no members: all defaults, told once
       rather than member by member. */
    const cJSON* object = cJSON_IsObject(child) ? child : nullptr;
    RepairReporter told(object != nullptr ? repairs : nullptr, entry, position);
    told.Member("name", ReadLabelName(entry->name, sizeof entry->name, object, position));
    told.Member("units",
                ReadIntegerMember(&entry->units, object, "units", Millimetres, TenthMillimetres, Inches));
    const LabelSizeLimits& limits = *FindLabelSizeLimits(entry->units);
    for (const NumberMemberRule& rule : NumberMemberRules) {
        told.Member(rule.key, ReadNumberTextMember(entry->*rule.field, LabelNumberTextSize, object, rule.key,
                                                   RangeFor(rule.range, limits), rule.style));
    }
    int id = 0;
    MemberOutcome idOutcome = ReadIntegerMember(&id, object, "id", FirstLabelId, MaxLabelId, 0);
    /* Deliberately not checked against the other labels' ids. */
    entry->id = id != 0 ? id : position + FirstLabelId;
    told.Member("id", idOutcome);
    ReadLabelSettingsMember(&entry->settings, object, entry, position, object != nullptr ? repairs : nullptr);
    if (object == nullptr)
        RepairReporter(repairs, entry, position).Report(LabelRepairKind::NotAnObject, nullptr, nullptr, 0);
}

int ParseLabelCatalogue(const char* text, LabelEntry* entries, int capacity)
{
    if (text == nullptr)
        return 0;
    return ParseLabelCatalogueReporting(text, strlen(text), entries, capacity, nullptr);
}

int ParseLabelCatalogueReporting(const char* text, size_t length, LabelEntry* entries, int capacity,
                                 const LabelRepairSink* repairs)
{
    if (text == nullptr || entries == nullptr || capacity <= 0)
        return 0;
    RepairReporter file(repairs, nullptr, -1);
    const char* end = text + length;
    const char* start = text;
    while (*start != '\0' && static_cast<unsigned char>(*start) <= 32)
        ++start;
    if (*start == '\0') {
        file.Report(HasTextBetween(start, end) ? LabelRepairKind::NotJson : LabelRepairKind::EmptyText,
                    nullptr, nullptr, 0);
        return 0;
    }
    /* Parsing stops after the first value; what follows is ignored. */
    const char* parsedEnd = nullptr;
    cJSON* root = cJSON_ParseWithOpts(start, &parsedEnd, false);
    if (root == nullptr) {
        file.Report(LabelRepairKind::NotJson, nullptr, nullptr, 0);
        return 0;
    }
    if (!cJSON_IsArray(root))
        file.Report(LabelRepairKind::NotAnArray, nullptr, nullptr, 0);
    int limit = capacity < MaxLabels ? capacity : MaxLabels;
    int count = 0;
    const cJSON* child = root->child;
    for (; child != nullptr && count < limit; child = child->next) {
        ReadLabelEntry(&entries[count], child, count, repairs);
        ++count;
    }
    if (child != nullptr) {
        long long children = count;
        for (; child != nullptr; child = child->next)
            ++children;
        RepairReporter(repairs, nullptr, count)
            .Report(LabelRepairKind::TooManyLabels, nullptr, nullptr, children);
    }
    cJSON_Delete(root);
    if (parsedEnd != nullptr && parsedEnd >= text && parsedEnd <= end && HasTextBetween(parsedEnd, end))
        file.Report(LabelRepairKind::TextAfterValue, nullptr, nullptr, parsedEnd - text);
    return count;
}
