/* Records and label sets the merge and capability tests build on. */
#ifndef PDR_TESTS_NATIVE_MERGE_TEST_SUPPORT_H
#define PDR_TESTS_NATIVE_MERGE_TEST_SUPPORT_H

#include <stdio.h>
#include <string.h>

#include <initializer_list>
#include <string>

#include "labels/label_catalogue.h"
#include "settings/catalogue_labels.h"
#include "settings/devmode_ops.h"

inline DriverDevMode DefaultRecord(const char16_t* deviceName = nullptr)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, deviceName);
    return record;
}

inline LabelEntry MakeLabel(int id, const char* name, const char* width = "4.00",
                            const char* length = "6.00", int units = Inches,
                            const char* horzOffset = "0", const char* vertOffset = "0")
{
    LabelEntry label;
    memset(&label, 0, sizeof label);
    snprintf(label.name, sizeof label.name, "%s", name);
    snprintf(label.width, sizeof label.width, "%s", width);
    snprintf(label.length, sizeof label.length, "%s", length);
    snprintf(label.horzOffset, sizeof label.horzOffset, "%s", horzOffset);
    snprintf(label.vertOffset, sizeof label.vertOffset, "%s", vertOffset);
    label.units = units;
    label.id = id;
    return label;
}

/* A label set as if the catalogue file had just been read. */
inline CatalogueLabels LoadedLabels(std::initializer_list<LabelEntry> entries)
{
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    for (const LabelEntry& entry : entries)
        labels.Labels[labels.Count++] = entry;
    labels.Loaded = true;
    return labels;
}

inline std::u16string FormName(const DriverDevMode& record)
{
    size_t length = 0;
    while (length < FormNameChars && record.Public.dmFormName[length] != 0)
        ++length;
    return std::u16string(record.Public.dmFormName, length);
}

#endif
