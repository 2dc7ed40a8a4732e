/* The label `add` is asked for, read by the library's own reader of a new
 * label (labels/new_label.h), so the tool refuses exactly what the Manage
 * Labels dialog refuses; the refusals are worded in the tool's English. */
#ifndef PDR_TOOLS_LABELS_CLI_NEW_LABEL_ARGUMENTS_H
#define PDR_TOOLS_LABELS_CLI_NEW_LABEL_ARGUMENTS_H

#include <string>

#include "labels/label_catalogue.h"
#include "tool_context.h"

struct NewLabelArguments {
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
bool BuildNewLabel(const NewLabelArguments& arguments, LabelEntry* label, std::string* problem);

#endif
