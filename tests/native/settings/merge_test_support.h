/* Records and label sets the merge and capability tests build on. */
#ifndef PDR_TESTS_NATIVE_MERGE_TEST_SUPPORT_H
#define PDR_TESTS_NATIVE_MERGE_TEST_SUPPORT_H

#include <stdio.h>
#include <string.h>

#include <initializer_list>
#include <string>

#include "label_fixtures.h"
#include "labels/label_catalogue.h"
#include "settings/catalogue_labels.h"
#include "settings/devmode_ops.h"

inline DriverDevMode DefaultRecord(const char16_t* deviceName = nullptr)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, deviceName);
    return record;
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
