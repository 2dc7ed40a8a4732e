#include "print_ticket/ticket_values.h"

#include <string.h>

#include "text/bounded_text.h"
#include "text/number_text.h"

namespace {

const char LabelOptionPrefix[] = "Label";
const char UserSizeOptionName[] = "UserSize";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipSpaces(const char* text)
{
    while (*text != '\0' && IsSpaceByte(*text))
        ++text;
    return text;
}

bool TakeNumber(TicketValue* value, int64_t number)
{
    value->Present = true;
    value->Number = number;
    return true;
}

}  // namespace

void ClearTicketValues(TicketValues* values)
{
    memset(values, 0, sizeof *values);
}

void TicketValuesFromRecord(const DriverDevMode& record, TicketValues* values)
{
    ClearTicketValues(values);
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        int64_t value = ReadTicketField(record, setting);
        /* A choice as the option the pages show it as. */
        if (setting.Kind == TicketKind::Choice)
            value = setting.Choices[ChoiceShowingValue(setting, value)].Value;
        values->Values[i] = {true, value};
    }
    values->Paper.PaperSize = record.Public.dmPaperSize;
    values->Paper.WidthMicrons = record.Public.dmPaperWidth * MicronsPerTenthMm;
    values->Paper.LengthMicrons = record.Public.dmPaperLength * MicronsPerTenthMm;
    const int text = FindTicketSetting(TicketSpace::Private, "LabelName");
    CopyTextBounded(values->Text, sizeof values->Text, record.Extra.LabelName);
    values->Values[text].Number = static_cast<int64_t>(TextLength(values->Text, sizeof values->Text));
}

bool FormatMediaOptionName(int32_t paperSize, char* name, size_t capacity)
{
    if (paperSize == PaperSizeUser)
        return CopyTextBounded(name, capacity, UserSizeOptionName);
    if (paperSize > PaperSizeUser && paperSize <= MaxLabelId)
        return FormatTextBounded(name, capacity, "%s%d", LabelOptionPrefix, static_cast<int>(paperSize));
    if (capacity > 0)
        name[0] = '\0';
    return false;
}

int32_t PaperSizeFromMediaOptionName(const char* name)
{
    if (name == nullptr)
        return -1;
    if (strcmp(name, UserSizeOptionName) == 0)
        return PaperSizeUser;
    const size_t prefix = sizeof LabelOptionPrefix - 1;
    if (strncmp(name, LabelOptionPrefix, prefix) != 0)
        return -1;
    /* Only the names FormatMediaOptionName writes: no sign, no leading zero. */
    const char* digits = name + prefix;
    int32_t id = 0;
    int count = 0;
    for (; IsDigit(digits[count]); ++count) {
        if (count >= 5)
            return -1;
        id = id * 10 + (digits[count] - '0');
    }
    if (count == 0 || digits[count] != '\0' || digits[0] == '0')
        return -1;
    return id > PaperSizeUser && id <= MaxLabelId ? id : -1;
}

bool ParseTicketInteger(const char* text, int64_t* value)
{
    if (text == nullptr)
        return false;
    const char* at = SkipSpaces(text);
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+')
        ++at;
    if (!IsDigit(*at))
        return false;
    /* Saturating, so a huge value stays out of every range. */
    const int64_t limit = INT64_MAX / 10;
    int64_t magnitude = 0;
    for (; IsDigit(*at); ++at)
        magnitude = magnitude > limit ? INT64_MAX : magnitude * 10 + (*at - '0');
    if (*SkipSpaces(at) != '\0')
        return false;
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool TakeTicketOption(TicketValues* values, TicketSpace featureSpace, const char* feature,
                      TicketSpace optionSpace, const char* option)
{
    const int index = FindTicketSetting(featureSpace, feature);
    if (index < 0 || TicketSettings[index].Kind != TicketKind::Choice)
        return false;
    const TicketSetting& setting = TicketSettings[index];
    /* Options live in their feature's namespace. */
    if (optionSpace != setting.Space)
        return false;
    const int choice = FindTicketChoice(setting, option);
    if (choice < 0)
        return false;
    return TakeNumber(&values->Values[index], setting.Choices[choice].Value);
}

bool TakeTicketMediaSize(TicketValues* values, TicketSpace optionSpace, const char* option,
                         const char* widthText, const char* heightText)
{
    if (optionSpace != TicketSpace::Private)
        return false;
    const int32_t paperSize = PaperSizeFromMediaOptionName(option);
    if (paperSize < 0)
        return false;
    TicketPaper paper = {paperSize, 0, 0};
    if (paperSize == PaperSizeUser && (!ParseTicketInteger(widthText, &paper.WidthMicrons) ||
                                       !ParseTicketInteger(heightText, &paper.LengthMicrons)))
        return false;
    values->Paper = paper;
    return TakeNumber(&values->Values[PaperTicketSetting()], paperSize);
}

bool TakeTicketParameter(TicketValues* values, TicketSpace space, const char* name, const char* valueText)
{
    const int index = FindTicketSetting(space, name);
    if (index < 0 || valueText == nullptr)
        return false;
    const TicketSetting& setting = TicketSettings[index];
    if (setting.Kind == TicketKind::Text) {
        /* A name too long for the record is taken as too long: the
           conversion leaves the field empty, as every bounded copy does. */
        const size_t length = TextLength(valueText, sizeof values->Text);
        values->Values[index].Present = true;
        values->Values[index].Number = static_cast<int64_t>(length);
        if (length < sizeof values->Text)
            memcpy(values->Text, valueText, length + 1);
        else
            values->Text[0] = '\0';
        return true;
    }
    int64_t number = 0;
    if (setting.Kind != TicketKind::Number || !ParseTicketInteger(valueText, &number))
        return false;
    return TakeNumber(&values->Values[index], number);
}
