#include "settings_options.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

/* A whole decimal number with an optional minus sign and nothing else. */
bool ParseWholeNumber(const std::string& text, long* value)
{
    const size_t digitsFrom = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digitsFrom || text.size() - digitsFrom > 9)
        return false;
    for (size_t i = digitsFrom; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    *value = strtol(text.c_str(), nullptr, 10);
    return true;
}

std::string RangeText(const LabelSettingRange& range)
{
    return std::to_string(range.Minimum) + " - " + std::to_string(range.Maximum);
}

/* Reads one number of `option` within `range`. */
SettingOptionsOutcome ReadNumber(const std::string& option, const std::string& text,
                                 const LabelSettingRange& range, int32_t* value, std::string* problem)
{
    long number = 0;
    if (!ParseWholeNumber(text, &number)) {
        *problem = option + " needs a whole number, not '" + text + "'";
        return SettingOptionsOutcome::Malformed;
    }
    if (!IsInSettingRange(range, number)) {
        *problem = "Invalid " + option + " " + text + ". Valid range: " + RangeText(range) + ".";
        return SettingOptionsOutcome::OutOfRange;
    }
    *value = static_cast<int32_t>(number);
    return SettingOptionsOutcome::Read;
}

SettingOptionsOutcome ReadSwitch(const std::string& option, const std::string& text, int32_t* value,
                                 std::string* problem)
{
    if (text == "on" || text == "off") {
        *value = text == "on" ? 1 : 0;
        return SettingOptionsOutcome::Read;
    }
    *problem = option + " takes on or off, not '" + text + "'";
    return SettingOptionsOutcome::Malformed;
}

/* N for every head, or one N per head separated by commas. */
SettingOptionsOutcome ReadHeads(const std::string& text, LabelSettings* changes, std::string* problem)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', from)) {
        parts.push_back(text.substr(from, comma - from));
        from = comma + 1;
    }
    parts.push_back(text.substr(from));
    const size_t count = parts.size();
    if (count != 1 && count != StockHeadCount) {
        *problem = "--intensity takes N or N,N,N,N, not '" + text + "'";
        return SettingOptionsOutcome::Malformed;
    }
    for (int head = 0; head < StockHeadCount; ++head) {
        const SettingOptionsOutcome outcome =
            ReadNumber("--intensity", parts[count == 1 ? 0 : head], StockHeadIntensityRange,
                       &changes->HeadIntensity[head], problem);
        if (outcome != SettingOptionsOutcome::Read)
            return outcome;
    }
    changes->HasHeadIntensity = true;
    return SettingOptionsOutcome::Read;
}

/* off, or every:N (on, cutting after every N labels). */
SettingOptionsOutcome ReadCutter(const std::string& text, LabelSettings* changes, std::string* problem)
{
    const char every[] = "every:";
    if (text == "off") {
        changes->Cutter = 0;
        changes->HasCutter = true;
        return SettingOptionsOutcome::Read;
    }
    if (text.compare(0, strlen(every), every) != 0) {
        *problem = "--cutter takes off or every:N, not '" + text + "'";
        return SettingOptionsOutcome::Malformed;
    }
    const SettingOptionsOutcome outcome = ReadNumber("--cutter every:", text.substr(strlen(every)),
                                                     StockCutEveryRange, &changes->CutEvery, problem);
    if (outcome != SettingOptionsOutcome::Read)
        return outcome;
    changes->Cutter = 1;
    changes->HasCutter = true;
    changes->HasCutEvery = true;
    return SettingOptionsOutcome::Read;
}

SettingOptionsOutcome ReadOne(const std::string& option, const std::string& text, LabelSettings* changes,
                              std::string* problem)
{
    SettingOptionsOutcome outcome = SettingOptionsOutcome::Read;
    if (option == "--speed") {
        outcome = ReadNumber(option, text, StockPrintSpeedRange, &changes->PrintSpeed, problem);
        changes->HasPrintSpeed = changes->HasPrintSpeed || outcome == SettingOptionsOutcome::Read;
    } else if (option == "--intensity") {
        outcome = ReadHeads(text, changes, problem);
    } else if (option == "--tapethrift") {
        outcome = ReadSwitch(option, text, &changes->TapeThrift, problem);
        changes->HasTapeThrift = changes->HasTapeThrift || outcome == SettingOptionsOutcome::Read;
    } else if (option == "--cutter") {
        outcome = ReadCutter(text, changes, problem);
    } else if (option == "--cut-offset") {
        outcome = ReadNumber(option, text, StockCutOffsetRange, &changes->CutOffset, problem);
        changes->HasCutOffset = changes->HasCutOffset || outcome == SettingOptionsOutcome::Read;
    } else {
        outcome = ReadSwitch(option, text, &changes->Pullback, problem);
        changes->HasPullback = changes->HasPullback || outcome == SettingOptionsOutcome::Read;
    }
    return outcome;
}

const char* SwitchWord(int32_t value)
{
    return value != 0 ? "on" : "off";
}

void AppendPart(std::string* text, const std::string& part)
{
    *text += (text->empty() ? "" : ", ") + part;
}

}  // namespace

SettingOptionsOutcome ReadSettingOptions(const ToolRequest& request, LabelSettings* changes,
                                         std::string* problem)
{
    *changes = LabelSettings();
    for (const auto& option : request.settingOptions) {
        const SettingOptionsOutcome outcome = ReadOne(option.first, option.second, changes, problem);
        if (outcome != SettingOptionsOutcome::Read)
            return outcome;
    }
    return SettingOptionsOutcome::Read;
}

std::string DescribeSettings(const LabelSettings& settings)
{
    std::string text;
    if (settings.HasPrintSpeed)
        AppendPart(&text, "speed " + std::to_string(settings.PrintSpeed));
    if (settings.HasHeadIntensity) {
        std::string heads;
        for (int head = 0; head < StockHeadCount; ++head)
            heads += (head == 0 ? "" : ",") + std::to_string(settings.HeadIntensity[head]);
        AppendPart(&text, "intensity " + heads);
    }
    if (settings.HasTapeThrift)
        AppendPart(&text, std::string("tapethrift ") + SwitchWord(settings.TapeThrift));
    /* "every:N" stands for both the cutter and its interval when both are on. */
    const bool cutsEvery = settings.HasCutter && settings.Cutter != 0 && settings.HasCutEvery;
    if (cutsEvery)
        AppendPart(&text, "cutter every:" + std::to_string(settings.CutEvery));
    else if (settings.HasCutter)
        AppendPart(&text, std::string("cutter ") + SwitchWord(settings.Cutter));
    if (settings.HasCutEvery && !cutsEvery)
        AppendPart(&text, "cut-every " + std::to_string(settings.CutEvery));
    if (settings.HasCutOffset)
        AppendPart(&text, "cut-offset " + std::to_string(settings.CutOffset));
    if (settings.HasPullback)
        AppendPart(&text, std::string("pullback ") + SwitchWord(settings.Pullback));
    return text;
}
