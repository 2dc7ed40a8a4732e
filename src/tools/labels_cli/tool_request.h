/* A command line of pdr-labels, split into its command, operands and
 * options, before any file is touched. */
#ifndef PDR_TOOLS_LABELS_CLI_TOOL_REQUEST_H
#define PDR_TOOLS_LABELS_CLI_TOOL_REQUEST_H

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tool_context.h"

enum class ToolCommand {
    None,
    Help,
    List,
    Check,
    Add,
    Set,
    Remove,
    Import,
    Export,
    UpdateFrom,
    Lock,
    Unlock
};

enum class ImportMode { Replace, Merge };

struct ToolRequest {
    ToolCommand command = ToolCommand::None;
    bool help = false;
    std::vector<ToolArgument> operands;
    bool hasFile = false;
    ToolArgument file;
    bool json = false;
    bool hasUnits = false;
    std::string units;
    bool hasOffsets = false;
    ToolArgument horizontalOffset;
    ToolArgument verticalOffset;
    bool hasId = false;
    std::string id;
    bool hasImportMode = false;
    ImportMode importMode = ImportMode::Replace;
    /* The stock's settings as typed, one per option given (--speed,
       --intensity, ...), in the order given; read by settings_options.h. */
    std::vector<std::pair<std::string, std::string>> settingOptions;
    bool clearSettings = false;
    /* update-from: print what would change, change nothing. */
    bool dryRun = false;
    /* The options given, by name, so a command can refuse those it does
       not take. */
    std::vector<std::string> options;
};

/* Splits `arguments`; false with `problem` set when the line cannot be
 * read at all (an unknown command or option, an option without its
 * value). */
bool ParseToolRequest(const std::vector<ToolArgument>& arguments, ToolRequest* request, std::string* problem);

/* True when `request` gives only the `allowed` options (--help always)
 * and between `fewest` and `most` operands; otherwise false with `problem`
 * set to what is wrong. */
bool CheckRequestShape(const ToolRequest& request, std::initializer_list<const char*> allowed, size_t fewest,
                       size_t most, std::string* problem);

/* The command's name as typed, or null for None. */
const char* CommandName(ToolCommand command);

#endif
