#include "tool_request.h"

#include <string.h>

namespace {

/* The options that give one of a stock's settings, each with one value. */
const char* const SettingOptionNames[] = {"--speed",  "--intensity",  "--tapethrift",
                                          "--cutter", "--cut-offset", "--pullback"};

bool IsSettingOption(const std::string& option)
{
    for (const char* name : SettingOptionNames)
        if (option == name)
            return true;
    return false;
}

struct CommandWord {
    const char* word;
    ToolCommand command;
};

const CommandWord CommandWords[] = {
    {"help", ToolCommand::Help},
    {"list", ToolCommand::List},
    {"check", ToolCommand::Check},
    {"add", ToolCommand::Add},
    {"set", ToolCommand::Set},
    {"remove", ToolCommand::Remove},
    {"import", ToolCommand::Import},
    {"export", ToolCommand::Export},
    {"update-from", ToolCommand::UpdateFrom},
    {"lock", ToolCommand::Lock},
    {"unlock", ToolCommand::Unlock},
};

ToolCommand FindCommand(const std::string& word)
{
    for (const CommandWord& entry : CommandWords)
        if (word == entry.word)
            return entry.command;
    return ToolCommand::None;
}

/* Hands out the arguments one by one. */
class ArgumentCursor {
public:
    explicit ArgumentCursor(const std::vector<ToolArgument>& arguments) : arguments_(arguments) {}
    bool AtEnd() const
    {
        return next_ >= arguments_.size();
    }
    const ToolArgument& Take()
    {
        return arguments_[next_++];
    }

private:
    const std::vector<ToolArgument>& arguments_;
    size_t next_ = 0;
};

bool TakeValue(ArgumentCursor* cursor, const std::string& option, ToolArgument* value, std::string* problem)
{
    if (cursor->AtEnd()) {
        *problem = "option " + option + " needs a value";
        return false;
    }
    *value = cursor->Take();
    return true;
}

/* One option and its values; false with `problem` set when it is unknown
 * or incomplete. */
bool ReadOption(const std::string& option, ArgumentCursor* cursor, ToolRequest* request, std::string* problem)
{
    ToolArgument value;
    if (option == "--help" || option == "-h") {
        request->help = true;
    } else if (option == "--json") {
        request->json = true;
    } else if (option == "--replace" || option == "--merge") {
        if (request->hasImportMode) {
            *problem = "give only one of --replace and --merge";
            return false;
        }
        request->hasImportMode = true;
        request->importMode = option == "--merge" ? ImportMode::Merge : ImportMode::Replace;
    } else if (option == "--file") {
        if (!TakeValue(cursor, option, &request->file, problem))
            return false;
        request->hasFile = true;
    } else if (option == "--units") {
        if (!TakeValue(cursor, option, &value, problem))
            return false;
        request->hasUnits = true;
        request->units = value.text;
    } else if (option == "--id") {
        if (!TakeValue(cursor, option, &value, problem))
            return false;
        request->hasId = true;
        request->id = value.text;
    } else if (IsSettingOption(option)) {
        /* Taken as it comes: a cut offset may well begin with '-'. */
        if (!TakeValue(cursor, option, &value, problem))
            return false;
        request->settingOptions.emplace_back(option, value.text);
    } else if (option == "--dry-run") {
        request->dryRun = true;
    } else if (option == "--clear-settings") {
        request->clearSettings = true;
    } else if (option == "--offsets") {
        /* Taken as they come: a vertical offset may well begin with '-'. */
        if (!TakeValue(cursor, option, &request->horizontalOffset, problem) ||
            !TakeValue(cursor, option, &request->verticalOffset, problem))
            return false;
        request->hasOffsets = true;
    } else {
        *problem = "unknown option " + option;
        return false;
    }
    request->options.push_back(option);
    return true;
}

}  // namespace

bool ParseToolRequest(const std::vector<ToolArgument>& arguments, ToolRequest* request, std::string* problem)
{
    *request = ToolRequest();
    ArgumentCursor cursor(arguments);
    bool optionsEnded = false;
    while (!cursor.AtEnd()) {
        const ToolArgument& argument = cursor.Take();
        const std::string& text = argument.text;
        if (!optionsEnded && text == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && text.size() > 1 && text[0] == '-') {
            if (!ReadOption(text, &cursor, request, problem))
                return false;
        } else if (request->command == ToolCommand::None) {
            request->command = FindCommand(text);
            if (request->command == ToolCommand::None) {
                *problem = "unknown command '" + text + "'";
                return false;
            }
        } else {
            request->operands.push_back(argument);
        }
    }
    return true;
}

const char* CommandName(ToolCommand command)
{
    for (const CommandWord& entry : CommandWords)
        if (entry.command == command)
            return entry.word;
    return nullptr;
}

bool CheckRequestShape(const ToolRequest& request, std::initializer_list<const char*> allowed, size_t fewest,
                       size_t most, std::string* problem)
{
    for (const std::string& option : request.options) {
        bool known = option == "--help" || option == "-h";
        for (const char* name : allowed)
            known = known || option == name;
        if (!known) {
            *problem = std::string("'") + CommandName(request.command) + "' does not take " + option;
            return false;
        }
    }
    if (request.operands.size() < fewest) {
        *problem = "missing operand";
        return false;
    }
    if (request.operands.size() > most) {
        *problem = "unexpected operand '" + request.operands[most].text + "'";
        return false;
    }
    return true;
}
