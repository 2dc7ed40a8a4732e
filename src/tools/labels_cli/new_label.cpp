#include "new_label.h"

#include <string.h>

#include <vector>

#include "labels/label_edit_rules.h"
#include "text/bounded_text.h"
#include "units_words.h"

namespace {

/* The argument's text without its surrounding white space, as the dialog
 * trims what is typed. */
bool TrimmedText(const ToolArgument& argument, std::string* trimmed)
{
    if (!argument.textUsable) return false;
    std::vector<char> text(argument.text.begin(), argument.text.end());
    text.push_back('\0');
    TrimSpaces(text.data());
    *trimmed = text.data();
    return true;
}

bool HasControlCharacter(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127) return true;
    return false;
}

bool ReadName(const ToolArgument& argument, char* name, std::string* problem)
{
    std::string trimmed;
    if (!TrimmedText(argument, &trimmed)) {
        *problem = "Invalid name: it cannot be written in the system's code page.";
        return false;
    }
    if (trimmed.empty()) {
        *problem = "You must enter a name.";
        return false;
    }
    /* Names go into one line of a list box and of this tool's listing. */
    if (HasControlCharacter(trimmed)) {
        *problem = "Invalid name: control characters are not allowed.";
        return false;
    }
    if (!CopyTextBounded(name, LabelNameSize, trimmed.c_str())) {
        *problem = "Invalid name: at most " + std::to_string(LabelNameSize - 1) + " bytes.";
        return false;
    }
    return true;
}

/* The field's text when it fits; `what` begins the refusal otherwise. */
bool ReadNumberField(const ToolArgument* argument, const char* fallback, char* field,
                     const std::string& what, const std::string& range, std::string* problem)
{
    std::string trimmed = fallback;
    bool usable = argument == nullptr || TrimmedText(*argument, &trimmed);
    if (!usable || !CopyTextBounded(field, LabelNumberTextSize, trimmed.c_str())) {
        *problem = what + ". Valid range: " + range + " (at most " +
            std::to_string(LabelNumberTextSize - 1) + " characters).";
        return false;
    }
    return true;
}

bool ReadSizeField(const ToolArgument* argument, char* field, const LabelRange& limits, int units,
                   const char* what, std::string* problem)
{
    char range[32];
    FormatRangeText(range, sizeof range, limits.Minimum, limits.Maximum);
    std::string shown = std::string(range) + " " + UnitsWord(units);
    if (!ReadNumberField(argument, "", field, what, shown, problem)) return false;
    if (IsDecimalInRange(field, limits)) return true;
    *problem = std::string(what) + ". Valid range: " + shown + ".";
    return false;
}

bool ReadOffsetField(const ToolArgument* argument, char* field, const char* what, std::string* problem)
{
    char range[32];
    FormatOffsetRangeText(range, sizeof range);
    if (!ReadNumberField(argument, "0", field, what, range, problem)) return false;
    if (NormaliseOffsetText(field, LabelNumberTextSize)) return true;
    *problem = std::string(what) + ". Valid range: " + range + ".";
    return false;
}

}  // namespace

bool BuildNewLabel(const NewLabelTexts& texts, LabelEntry* label, std::string* problem)
{
    memset(label, 0, sizeof *label);
    label->units = texts.units;
    const LabelSizeLimits& limits = LimitsOfUnits(texts.units);
    return ReadName(*texts.name, label->name, problem) &&
        ReadSizeField(texts.width, label->width, limits.Width, texts.units, "Invalid Width", problem) &&
        ReadSizeField(texts.length, label->length, limits.Length, texts.units, "Invalid Length",
                      problem) &&
        ReadOffsetField(texts.horizontalOffset, label->horzOffset, "Invalid Horizontal Offset",
                        problem) &&
        ReadOffsetField(texts.verticalOffset, label->vertOffset, "Invalid Vertical Offset", problem);
}
