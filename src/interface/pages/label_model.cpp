#include "pages/label_model.h"

#include <string.h>

#include "settings/devmode_merge.h"
#include "text/bounded_text.h"
#include "text/code_page_text.h"
#include "text/number_text.h"

namespace {

/* The page keeps an offset whose text has no digits; a merge writes 0. */
void ApplyOffset(const char* text, int32_t* offset)
{
    bool hadDigits = false;
    ReadLeadingInteger(text, &hadDigits);
    if (hadDigits)
        *offset = OffsetFromLabelText(text);
}

/* One Details line: its caption, the label's text and, for the sizes, the
 * units word. */
bool AppendDetailsLine(wchar_t (&details)[LabelDetailsChars], const wchar_t* caption, const char* text,
                       const wchar_t* unitsWord)
{
    return AppendTextBounded(details, LabelDetailsChars, caption) &&
        AppendCodePageText(details, LabelDetailsChars, text) &&
        (unitsWord == nullptr || (AppendTextBounded(details, LabelDetailsChars, L" ") &&
                                  AppendTextBounded(details, LabelDetailsChars, unitsWord))) &&
        AppendTextBounded(details, LabelDetailsChars, L"\r\n");
}

}  // namespace

int FindRecordLabel(const LabelList& list, const char* labelName)
{
    if (list.Count <= 0)
        return -1;
    int selected = 0;
    for (int i = 0; i < list.Count; ++i)
        if (strncmp(list.Labels[i].name, labelName, LabelNameSize) == 0)
            selected = i;
    return selected;
}

const LabelEntry* LabelAt(const LabelList& list, int index)
{
    if (index < 0 || index >= list.Count)
        return nullptr;
    return &list.Labels[index];
}

void ComposeLabelDetails(const LabelEntry* label, wchar_t (&details)[LabelDetailsChars])
{
    details[0] = 0;
    if (label == nullptr)
        return;
    /* The words are the same in every language of the interface. */
    const wchar_t* unitsWord = label->units == Inches ? L"inches" : L"mm";
    /* Each text holds at most 7 bytes, so the four lines stay far below the
     * buffer; were one not to fit, the whole text would be left empty. */
    if (AppendDetailsLine(details, L"Width: ", label->width, unitsWord) &&
        AppendDetailsLine(details, L"Length: ", label->length, unitsWord) &&
        AppendDetailsLine(details, L"Horizontal Offset: ", label->horzOffset, nullptr))
        AppendDetailsLine(details, L"Vertical Offset: ", label->vertOffset, nullptr);
}

void ApplyLabelToRecord(const LabelEntry& label, DriverDevMode* record)
{
    CopyTextBounded(record->Extra.LabelName, sizeof record->Extra.LabelName, label.name);
    record->Public.dmPaperSize = PaperSizeUser;
    record->Public.dmPaperWidth = LabelSizeInTenthsMm(label.width, label.units);
    record->Public.dmPaperLength = LabelSizeInTenthsMm(label.length, label.units);
    ApplyOffset(label.horzOffset, &record->Extra.HorizontalOffset);
    ApplyOffset(label.vertOffset, &record->Extra.VerticalOffset);
}
