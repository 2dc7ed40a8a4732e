#include "labels/new_label.h"

#include <string.h>

#include "text/bounded_text.h"
#include "text/number_text.h"

namespace {

/* A text without its leading and trailing white space, as TrimSpaces
 * leaves it, found in place: the caller's text may be of any length. */
struct TrimmedText {
    const char* Start;
    size_t Length;
};

TrimmedText Trim(const char* text)
{
    while (IsSpaceByte(*text))
        ++text;
    size_t length = strlen(text);
    while (length > 0 && IsSpaceByte(text[length - 1]))
        --length;
    return {text, length};
}

bool IsGivenInCodePage(const NewLabelText& given)
{
    return given.Text == nullptr || given.Representable;
}

const char* TextOr(const NewLabelText& given, const char* missing)
{
    return given.Text != nullptr ? given.Text : missing;
}

/* False, leaving `field` alone, when the text does not fit its `size`. */
bool CopyTrimmed(const TrimmedText& text, char* field, size_t size)
{
    if (text.Length >= size)
        return false;
    memcpy(field, text.Start, text.Length);
    field[text.Length] = '\0';
    return true;
}

bool Refuse(NewLabelRefusal* refusal, NewLabelField field, NewLabelProblem problem, const char* range)
{
    refusal->Field = field;
    refusal->Problem = problem;
    CopyTextBounded(refusal->Range, sizeof refusal->Range, range);
    return false;
}

bool ReadName(const NewLabelText& given, char* name, NewLabelRefusal* refusal)
{
    const NewLabelField field = NewLabelField::Name;
    if (!IsGivenInCodePage(given))
        return Refuse(refusal, field, NewLabelProblem::NotRepresentable, "");
    const TrimmedText trimmed = Trim(TextOr(given, ""));
    if (trimmed.Length == 0)
        return Refuse(refusal, field, NewLabelProblem::EmptyName, "");
    if (!CopyTrimmed(trimmed, name, LabelNameSize))
        return Refuse(refusal, field, NewLabelProblem::TooLong, "");
    return true;
}

/* The trimmed text of a size or an offset in its field, before its value is
 * looked at. */
bool ReadNumberText(const NewLabelText& given, const char* missing, char* text, NewLabelField field,
                    const char* range, NewLabelRefusal* refusal)
{
    if (!IsGivenInCodePage(given))
        return Refuse(refusal, field, NewLabelProblem::NotRepresentable, range);
    if (!CopyTrimmed(Trim(TextOr(given, missing)), text, LabelNumberTextSize))
        return Refuse(refusal, field, NewLabelProblem::TooLong, range);
    return true;
}

/* A width or length is kept as typed (trimmed), not reformatted. */
bool ReadSize(const NewLabelText& given, char* text, NewLabelField field, const LabelRange& limits,
              NewLabelRefusal* refusal)
{
    char range[LabelRangeTextSize];
    FormatRangeText(range, sizeof range, limits.Minimum, limits.Maximum);
    if (!ReadNumberText(given, "", text, field, range, refusal))
        return false;
    return IsDecimalInRange(text, limits) || Refuse(refusal, field, NewLabelProblem::OutOfRange, range);
}

bool ReadOffset(const NewLabelText& given, char* text, NewLabelField field, NewLabelRefusal* refusal)
{
    char range[LabelRangeTextSize];
    FormatOffsetRangeText(range, sizeof range);
    if (!ReadNumberText(given, "0", text, field, range, refusal))
        return false;
    return NormaliseOffsetText(text, LabelNumberTextSize) ||
           Refuse(refusal, field, NewLabelProblem::OutOfRange, range);
}

}  // namespace

bool ReadNewLabel(const NewLabelTexts& texts, LabelEntry* label, NewLabelRefusal* refusal)
{
    memset(label, 0, sizeof *label);
    label->units = texts.Units;
    const LabelSizeLimits& limits = LimitsOfUnits(texts.Units);
    return ReadName(texts.Name, label->name, refusal) &&
           ReadSize(texts.Width, label->width, NewLabelField::Width, limits.Width, refusal) &&
           ReadSize(texts.Length, label->length, NewLabelField::Length, limits.Length, refusal) &&
           ReadOffset(texts.HorizontalOffset, label->horzOffset, NewLabelField::HorizontalOffset, refusal) &&
           ReadOffset(texts.VerticalOffset, label->vertOffset, NewLabelField::VerticalOffset, refusal);
}

bool AcceptedBeforeRefusal(NewLabelField field, const NewLabelRefusal& refusal)
{
    return static_cast<int>(field) < static_cast<int>(refusal.Field);
}

bool HasControlCharacter(const char* name)
{
    for (const char* c = name; *c != '\0'; ++c)
        if (static_cast<unsigned char>(*c) < 32 || *c == 127)
            return true;
    return false;
}
