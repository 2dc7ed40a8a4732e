#include "repair_text.h"

#include <stdio.h>
#include <string.h>

#include "labels/label_edit_rules.h"
#include "units_words.h"

namespace {

std::string Quoted(const char* text)
{
    return std::string("\"") + text + "\"";
}

std::string Number(long long value)
{
    return std::to_string(value);
}

bool IsNumberMember(const char* member)
{
    return strcmp(member, "units") == 0 || strcmp(member, "id") == 0;
}

/* The value the loader gave `member` of `entry`, as the file would hold it. */
std::string UsedValue(const LabelEntry& entry, const char* member)
{
    if (strcmp(member, "name") == 0)
        return Quoted(entry.name);
    if (strcmp(member, "width") == 0)
        return Quoted(entry.width);
    if (strcmp(member, "length") == 0)
        return Quoted(entry.length);
    if (strcmp(member, "horzOffset") == 0)
        return Quoted(entry.horzOffset);
    if (strcmp(member, "vertOffset") == 0)
        return Quoted(entry.vertOffset);
    if (strcmp(member, "units") == 0)
        return Number(entry.units) + " (" + UnitsWord(entry.units) + ")";
    return Number(entry.id);
}

/* The range a member must lie in, for the label's units. */
std::string RangeOf(const LabelEntry& entry, const char* member)
{
    char range[32] = "";
    const LabelSizeLimits& limits = LimitsOfUnits(entry.units);
    if (strcmp(member, "width") == 0)
        FormatRangeText(range, sizeof range, limits.Width.Minimum, limits.Width.Maximum);
    else if (strcmp(member, "length") == 0)
        FormatRangeText(range, sizeof range, limits.Length.Minimum, limits.Length.Maximum);
    else if (strcmp(member, "units") == 0)
        return "0, 1 or 2";
    else if (strcmp(member, "id") == 0)
        snprintf(range, sizeof range, "%d - %d", FirstLabelId, MaxLabelId);
    else
        FormatOffsetRangeText(range, sizeof range);
    if (strcmp(member, "width") == 0 || strcmp(member, "length") == 0)
        return std::string(range) + " " + UnitsWord(entry.units);
    return range;
}

std::string FileProblem(const LabelRepairNote& note)
{
    switch (note.kind) {
    case LabelRepairKind::FileUnreadable:
        return "the file cannot be read whole; the driver reads no labels";
    case LabelRepairKind::FileTooLarge:
        return "the file is too large (" + Number(note.detail) + " bytes, at most " +
               Number(MaxLabelCatalogueBytes) + "); the driver reads no labels";
    case LabelRepairKind::EmptyText:
        return "the file is empty; the driver reads no labels";
    case LabelRepairKind::NotJson:
        return "the file does not begin with a JSON value; the driver reads no labels";
    case LabelRepairKind::NotAnArray:
        return "the file's value is not an array of labels";
    case LabelRepairKind::TextAfterValue:
        return "text after the label array (from byte " + Number(note.detail) + ") is ignored";
    case LabelRepairKind::TooManyLabels:
        return "the file holds " + Number(note.detail) + " labels; labels " + Number(note.position + 1) +
               " to " + Number(note.detail) + " are ignored (at most " + Number(MaxLabels) + ")";
    default:
        return "";
    }
}

const LabelSettingRule* FindSettingRule(const char* key)
{
    for (const LabelSettingRule& rule : LabelSettingRules)
        if (strcmp(rule.Key, key) == 0)
            return &rule;
    return nullptr;
}

/* What a setting must be, as the file writes it. */
std::string SettingForm(const LabelSettingRule& rule)
{
    const std::string range = "from " + Number(rule.Range.Minimum) + " to " + Number(rule.Range.Maximum);
    switch (rule.Kind) {
    case LabelSettingKind::Number:
        return "a whole number " + range;
    case LabelSettingKind::Switch:
        return "true or false";
    case LabelSettingKind::HeadList:
        break;
    }
    return "a list of " + Number(StockHeadCount) + " whole numbers " + range;
}

/* A bad setting is left out; the label and its other settings stay. */
std::string SettingProblem(const LabelRepairNote& note)
{
    const std::string found = note.found != nullptr ? std::string(" ") + note.found : "";
    const LabelSettingRule* rule =
        note.kind == LabelRepairKind::SettingsNotAnObject ? nullptr : FindSettingRule(note.member);
    if (rule == nullptr)
        return "\"settings\"" + found + " is not an object; the driver reads the label without settings";
    return "setting " + Quoted(rule->Key) + found + " is not " + SettingForm(*rule) +
           "; the driver leaves it out";
}

std::string MemberProblem(const LabelRepairNote& note)
{
    switch (note.kind) {
    case LabelRepairKind::SettingsNotAnObject:
    case LabelRepairKind::SettingWrongType:
    case LabelRepairKind::SettingOutOfRange:
        return SettingProblem(note);
    default:
        break;
    }
    const LabelEntry& entry = *note.entry;
    const char* member = note.member;
    if (member == nullptr)
        return "not an object; the driver reads it as " + Quoted(entry.name) + " with every default";
    const std::string key = Quoted(member);
    const std::string found = note.found != nullptr ? " " + Quoted(note.found) : "";
    std::string problem;
    switch (note.kind) {
    case LabelRepairKind::MemberMissing:
        problem = "no " + key;
        break;
    case LabelRepairKind::WrongType:
        problem = key + " is not a " + (IsNumberMember(member) ? "number" : "string");
        break;
    case LabelRepairKind::TextTooLong:
        problem = key + found + " is longer than " +
                  Number(strcmp(member, "name") == 0 ? LabelNameSize - 1 : LabelNumberTextSize - 1) +
                  " bytes";
        break;
    case LabelRepairKind::OutOfRange:
        problem = key + found + " is outside " + RangeOf(entry, member);
        break;
    case LabelRepairKind::NotWholeNumber:
        problem = key + " is not a whole number";
        break;
    default:
        break;
    }
    return problem + "; the driver uses " + UsedValue(entry, member);
}

}  // namespace

std::string DescribeRepair(const LabelRepairNote& note)
{
    if (note.entry == nullptr)
        return FileProblem(note);
    return "label " + Number(note.position + 1) + ": " + MemberProblem(note);
}
