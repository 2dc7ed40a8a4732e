/*
 * A label's optional "settings" object in the catalogue file.  Readers that
 * do not know the member ignore it, as the loader ignores every member it
 * does not know, so a file with settings gives them the same labels.
 */
#include "labels/catalogue_json.h"

#include <math.h>
#include <string.h>

#include <cjson/cJSON.h>

namespace {

const char SettingsKey[] = "settings";

/* Bytes of a setting's value as a repair shows it; a longer value is not
 * shown. */
constexpr int FoundTextSize = 48;

/* Why a setting was left out, or that it was fine. */
enum class SettingFault { None, WrongType, OutOfRange };

/* A whole JSON number within `range`. */
SettingFault ReadWholeNumber(const cJSON* item, const LabelSettingRange& range, int32_t* value)
{
    if (!cJSON_IsNumber(item))
        return SettingFault::WrongType;
    /* Compared as a double first: an out-of-range double has no int. */
    const double number = item->valuedouble;
    if (trunc(number) != number || !(number >= range.Minimum && number <= range.Maximum))
        return SettingFault::OutOfRange;
    *value = static_cast<int32_t>(number);
    return SettingFault::None;
}

/* All heads or none: a list with one bad head says nothing usable of the
 * others. */
SettingFault ReadHeadList(const cJSON* item, const LabelSettingRange& range, int32_t (&heads)[StockHeadCount])
{
    if (!cJSON_IsArray(item) || cJSON_GetArraySize(item) != StockHeadCount)
        return SettingFault::WrongType;
    int32_t read[StockHeadCount];
    int head = 0;
    for (const cJSON* each = item->child; each != nullptr; each = each->next)
        if (!cJSON_IsNumber(each))
            return SettingFault::WrongType;
    for (const cJSON* each = item->child; each != nullptr; each = each->next, ++head)
        if (ReadWholeNumber(each, range, &read[head]) != SettingFault::None)
            return SettingFault::OutOfRange;
    memcpy(heads, read, sizeof heads);
    return SettingFault::None;
}

SettingFault ReadSetting(const cJSON* item, const LabelSettingRule& rule, LabelSettings* settings)
{
    switch (rule.Kind) {
    case LabelSettingKind::Number:
        return ReadWholeNumber(item, rule.Range, &(settings->*rule.Value));
    case LabelSettingKind::Switch:
        if (!cJSON_IsBool(item))
            return SettingFault::WrongType;
        settings->*rule.Value = cJSON_IsTrue(item) ? 1 : 0;
        return SettingFault::None;
    case LabelSettingKind::HeadList:
        break;
    }
    return ReadHeadList(item, rule.Range, settings->HeadIntensity);
}

void ReportSettingRepair(const LabelRepairSink* repairs, LabelRepairKind kind, const char* key,
                         const cJSON* item, const LabelEntry* entry, int position)
{
    if (repairs == nullptr)
        return;
    char found[FoundTextSize];
    const bool shown =
        item != nullptr && cJSON_PrintPreallocated(const_cast<cJSON*>(item), found, FoundTextSize, false);
    LabelRepairNote note = {kind, position, key, shown ? found : nullptr, entry, 0};
    ReportLabelRepair(repairs, note);
}

cJSON* CreateSettingItem(const LabelSettings& settings, const LabelSettingRule& rule)
{
    switch (rule.Kind) {
    case LabelSettingKind::Number:
        return cJSON_CreateNumber(settings.*rule.Value);
    case LabelSettingKind::Switch:
        return cJSON_CreateBool(settings.*rule.Value != 0);
    case LabelSettingKind::HeadList:
        break;
    }
    int heads[StockHeadCount];
    for (int head = 0; head < StockHeadCount; ++head)
        heads[head] = settings.HeadIntensity[head];
    return cJSON_CreateIntArray(heads, StockHeadCount);
}

/* Takes ownership of `item` whatever happens. */
bool AddOwnedItem(cJSON* object, const char* key, cJSON* item)
{
    if (item != nullptr && cJSON_AddItemToObject(object, key, item))
        return true;
    cJSON_Delete(item);
    return false;
}

}  // namespace

void ReadLabelSettingsMember(LabelSettings* settings, const cJSON* object, const LabelEntry* entry,
                             int position, const LabelRepairSink* repairs)
{
    memset(settings, 0, sizeof *settings);
    const cJSON* member = cJSON_GetObjectItem(object, SettingsKey);
    if (member == nullptr)
        return;
    if (!cJSON_IsObject(member)) {
        ReportSettingRepair(repairs, LabelRepairKind::SettingsNotAnObject, SettingsKey, member, entry,
                            position);
        return;
    }
    /* Keys match in any letter case, as the label's own members do;
       unknown ones are ignored. */
    for (const LabelSettingRule& rule : LabelSettingRules) {
        const cJSON* item = cJSON_GetObjectItem(member, rule.Key);
        if (item == nullptr)
            continue;
        const SettingFault fault = ReadSetting(item, rule, settings);
        settings->*rule.Present = fault == SettingFault::None;
        if (fault != SettingFault::None)
            ReportSettingRepair(repairs,
                                fault == SettingFault::WrongType ? LabelRepairKind::SettingWrongType
                                                                 : LabelRepairKind::SettingOutOfRange,
                                rule.Key, item, entry, position);
    }
}

bool AddLabelSettingsMember(cJSON* object, const LabelSettings& settings)
{
    if (!HasLabelSettings(settings))
        return true;
    cJSON* member = cJSON_CreateObject();
    if (!AddOwnedItem(object, SettingsKey, member))
        return false;
    for (const LabelSettingRule& rule : LabelSettingRules) {
        if (settings.*rule.Present && !AddOwnedItem(member, rule.Key, CreateSettingItem(settings, rule)))
            return false;
    }
    return true;
}
