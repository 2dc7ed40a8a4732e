#include "pages/label_page_rules.h"

#include <string.h>

#include "text/number_text.h"
#include "text/bounded_text.h"
#include "settings/devmode_merge.h"

namespace {

void ApplyOffset(const char* text, int32_t* offset)
{
    bool hadDigits = false;
    ReadLeadingInteger(text, &hadDigits);
    if (hadDigits)
        *offset = OffsetFromLabelText(text);
}

}  // namespace

int FindRecordLabel(const LabelPageList& list, const char* labelName)
{
    if (list.Count <= 0)
        return -1;
    int selected = 0;
    for (int i = 0; i < list.Count; ++i)
        if (strncmp(list.Labels[i].name, labelName, LabelNameSize) == 0)
            selected = i;
    return selected;
}

void FormatLabelDetails(const LabelEntry& label, wchar_t (&details)[LabelDetailsChars])
{
    /* The words are the same in every language of the interface. */
    const wchar_t* unitsWord = label.units == Inches ? L"inches" : L"mm";
    /* Each field holds at most 7 characters, so the four lines stay far
     * below the buffer. */
    wsprintfW(details,
              L"Width: %S %s\r\nLength: %S %s\r\nHorizontal Offset: %S\r\nVertical Offset: %S\r\n",
              label.width, unitsWord, label.length, unitsWord, label.horzOffset, label.vertOffset);
}

void ApplyLabelToRecord(const LabelEntry& label, DriverDevMode* record)
{
    CopyTextBounded(record->Extra.LabelName, sizeof record->Extra.LabelName, label.name);
    record->Public.dmPaperSize = DMPAPER_USER;
    record->Public.dmPaperWidth = LabelSizeInTenthsMm(label.width, label.units);
    record->Public.dmPaperLength = LabelSizeInTenthsMm(label.length, label.units);
    ApplyOffset(label.horzOffset, &record->Extra.HorizontalOffset);
    ApplyOffset(label.vertOffset, &record->Extra.VerticalOffset);
}
