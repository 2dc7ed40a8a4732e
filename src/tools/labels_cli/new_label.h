/* The label `add` is asked for, checked as the Manage Labels dialog checks
 * what is typed into it. */
#ifndef PDR_TOOLS_LABELS_CLI_NEW_LABEL_H
#define PDR_TOOLS_LABELS_CLI_NEW_LABEL_H

#include <string>

#include "labels/label_catalogue.h"
#include "tool_context.h"

struct NewLabelTexts {
    const ToolArgument* name;
    const ToolArgument* width;
    const ToolArgument* length;
    const ToolArgument* horizontalOffset; /* null: "0" */
    const ToolArgument* verticalOffset;   /* null: "0" */
    int units;
};

/* Fills every field but the id, in the dialog's order: name, width,
 * length, horizontal and vertical offset.  False with `problem` set to the
 * first refusal, in the dialog's words. */
bool BuildNewLabel(const NewLabelTexts& texts, LabelEntry* label, std::string* problem);

#endif
