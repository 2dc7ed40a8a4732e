#include "pages/manage_labels_model.h"

#include "resources/resource_ids.h"
#include "text/bounded_text.h"
#include "text/number_text.h"

namespace {

/* The fields shown while the working list holds no label. */
const LabelEntry EmptyCatalogueLabel = {"", "4.00", "6.00", "0", "0", Inches, 0, {}};

NewLabelText GivenText(const char* text)
{
    return {text, true};
}

}  // namespace

NewLabelTexts NewLabelTextsOfEdits(const ManageEditTexts& edits, int units)
{
    return {GivenText(edits.Name),           GivenText(edits.Width),
            GivenText(edits.Length),         GivenText(edits.HorizontalOffset),
            GivenText(edits.VerticalOffset), units};
}

const LabelEntry& FirstShownLabel(const LabelList& list)
{
    return list.Count > 0 ? list.Labels[0] : EmptyCatalogueLabel;
}

SizeRangeTexts RangeTextsOfUnits(int units)
{
    const LabelSizeLimits& limits = LimitsOfUnits(units);
    SizeRangeTexts texts;
    FormatRangeText(texts.Width, sizeof texts.Width, limits.Width.Minimum, limits.Width.Maximum);
    FormatRangeText(texts.Length, sizeof texts.Length, limits.Length.Minimum, limits.Length.Maximum);
    return texts;
}

bool HasRoomForLabel(const LabelList& list)
{
    return list.Count < MaxLabels;
}

void AppendNewLabel(LabelList* list, LabelEntry label)
{
    label.id = NextLabelId(*list);
    list->Labels[list->Count++] = label;
}

void ReplaceLabelAt(LabelList* list, int index, LabelEntry label)
{
    if (index < 0 || index >= list->Count)
        return;
    label.id = list->Labels[index].id;
    /* The dialog edits no settings, so the stock keeps its own. */
    label.settings = list->Labels[index].settings;
    list->Labels[index] = label;
}

bool ConvertSizeText(const char* text, int fromUnits, int toUnits, char* converted, size_t size)
{
    return FormatFixed2(converted, size, ConvertLabelUnits(ReadLeadingDouble(text), fromUnits, toUnits));
}

bool IsRangeRefusal(const NewLabelRefusal& refusal)
{
    return refusal.Field != NewLabelField::Name;
}

int RefusalMessageId(const NewLabelRefusal& refusal)
{
    switch (refusal.Field) {
    case NewLabelField::Name:
        return IDS_NAME_REQUIRED;
    case NewLabelField::Width:
        return IDS_INVALID_WIDTH;
    case NewLabelField::Length:
        return IDS_INVALID_LENGTH;
    case NewLabelField::HorizontalOffset:
        return IDS_INVALID_HORZ_OFFSET;
    case NewLabelField::VerticalOffset:
        return IDS_INVALID_VERT_OFFSET;
    }
    return IDS_NAME_REQUIRED;
}

bool ComposeRangeMessage(wchar_t* body, size_t capacity, const wchar_t* message, const wchar_t* validRange,
                         const char* range)
{
    if (capacity == 0)
        return false;
    body[0] = 0;
    return AppendTextBounded(body, capacity, message) && AppendTextBounded(body, capacity, L"\n") &&
           AppendTextBounded(body, capacity, validRange) && AppendTextBounded(body, capacity, L" ") &&
           AppendAsciiBounded(body, capacity, range);
}
