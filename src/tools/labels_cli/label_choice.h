/* The one label a command names, by NAME or by `--id N` (remove, set). */
#ifndef PDR_TOOLS_LABELS_CLI_LABEL_CHOICE_H
#define PDR_TOOLS_LABELS_CLI_LABEL_CHOICE_H

#include <string>

#include "catalogue_source.h"
#include "tool_context.h"
#include "tool_request.h"

/* The operands the command takes besides its options: NAME, or none with
 * --id. */
size_t LabelChoiceOperands(const ToolRequest& request);

/* Checks what `request` names: `--id` (read into `id`) or a name, which
 * must be one the code page can hold to be any label's.  False with
 * `problem` set, a wrong command line. */
bool ReadLabelChoice(const ToolRequest& request, int* id, std::string* problem);

/* The position of the one label of `catalogue` that `request` names (a
 * name is trimmed as the dialog trims what is typed, and compared letter
 * case aside).  False, with the refusal printed, when none or several
 * match; `unchanged` ends the refusal ("nothing was removed"). */
bool FindRequestedLabel(const ToolRequest& request, int id, const CatalogueReading& catalogue,
                        const CataloguePath& path, const ToolOutput& output, const char* unchanged,
                        int* position);

#endif
