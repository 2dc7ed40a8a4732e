/* Labels as the tests of both trees build them. */
#ifndef PDR_TESTS_COMMON_LABEL_FIXTURES_H
#define PDR_TESTS_COMMON_LABEL_FIXTURES_H

#include <stdio.h>

#include "labels/label_catalogue.h"

/* Every text is cut to its field, as a typed text could not be. */
inline LabelEntry MakeLabel(const char* name, const char* width, const char* length, int units, int id,
                            const char* horzOffset = "0", const char* vertOffset = "0")
{
    LabelEntry label = {};
    snprintf(label.name, sizeof label.name, "%s", name);
    snprintf(label.width, sizeof label.width, "%s", width);
    snprintf(label.length, sizeof label.length, "%s", length);
    snprintf(label.horzOffset, sizeof label.horzOffset, "%s", horzOffset);
    snprintf(label.vertOffset, sizeof label.vertOffset, "%s", vertOffset);
    label.units = units;
    label.id = id;
    return label;
}

#endif
