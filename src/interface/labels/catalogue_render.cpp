#include "labels/catalogue_json.h"

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <cjson/cJSON.h>

namespace {

enum class MemberType { Text, Number };

/* The members of a label object, in the order the file holds them. */
struct FileMember {
    const char* key;
    MemberType type;
    size_t offset;
    size_t size;
};

const FileMember FileMembers[] = {
    {"name", MemberType::Text, offsetof(LabelEntry, name), LabelNameSize},
    {"width", MemberType::Text, offsetof(LabelEntry, width), LabelNumberTextSize},
    {"length", MemberType::Text, offsetof(LabelEntry, length), LabelNumberTextSize},
    {"horzOffset", MemberType::Text, offsetof(LabelEntry, horzOffset), LabelNumberTextSize},
    {"vertOffset", MemberType::Text, offsetof(LabelEntry, vertOffset), LabelNumberTextSize},
    {"units", MemberType::Number, offsetof(LabelEntry, units), sizeof(int32_t)},
    {"id", MemberType::Number, offsetof(LabelEntry, id), sizeof(int32_t)},
};

/* A field without its NUL is read only up to the field's end, never beyond. */
cJSON* CreateTextItem(const char* field, size_t size)
{
    char text[LabelNameSize + 1];
    size_t length = strnlen(field, size < LabelNameSize ? size : LabelNameSize);
    memcpy(text, field, length);
    text[length] = '\0';
    return cJSON_CreateString(text);
}

cJSON* CreateMemberItem(const LabelEntry& entry, const FileMember& member)
{
    const char* base = reinterpret_cast<const char*>(&entry) + member.offset;
    if (member.type == MemberType::Text)
        return CreateTextItem(base, member.size);
    int32_t value = 0;
    memcpy(&value, base, sizeof value);
    return cJSON_CreateNumber(value);
}

/* Takes ownership of `item` whatever happens. */
bool AttachItem(cJSON* parent, const char* key, cJSON* item)
{
    bool attached = item != nullptr && (key != nullptr ? cJSON_AddItemToObject(parent, key, item)
                                                       : cJSON_AddItemToArray(parent, item));
    if (!attached)
        cJSON_Delete(item);
    return attached;
}

bool AddLabelObject(cJSON* array, const LabelEntry& entry)
{
    cJSON* object = cJSON_CreateObject();
    if (!AttachItem(array, nullptr, object))
        return false;
    for (const FileMember& member : FileMembers) {
        if (!AttachItem(object, member.key, CreateMemberItem(entry, member)))
            return false;
    }
    /* Written only for a stock that has settings, so every other label
       renders exactly as files without settings hold it. */
    return AddLabelSettingsMember(object, entry.settings);
}

}  // namespace

char* RenderLabelCatalogue(const LabelEntry* entries, int count)
{
    if (count < 0 || count > MaxLabels || (count > 0 && entries == nullptr))
        return nullptr;
    cJSON* root = cJSON_CreateArray();
    if (root == nullptr)
        return nullptr;
    bool built = true;
    for (int i = 0; i < count && built; ++i)
        built = AddLabelObject(root, entries[i]);
    char* text = built ? cJSON_Print(root) : nullptr;
    cJSON_Delete(root);
    return text;
}

void ReleaseLabelCatalogueText(char* text)
{
    if (text != nullptr)
        cJSON_free(text);
}
