#include "pages/label_model.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "labels/catalogue_json.h"
#include "labels/catalogue_repairs.h"
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

/* One settings line: caption, value, CR LF. */
bool AppendSettingLine(wchar_t (&lines)[LabelDetailsChars], const StockSettingWords& words,
                       const LabelSettings& settings, int rule)
{
    const LabelSettingRule& setting = LabelSettingRules[rule];
    if (!AppendTextBounded(lines, LabelDetailsChars, words.Captions[rule]))
        return false;
    bool appended = false;
    switch (setting.Kind) {
    case LabelSettingKind::Number:
        appended =
            AppendFormatBounded(lines, LabelDetailsChars, "%d", static_cast<int>(settings.*setting.Value));
        break;
    case LabelSettingKind::Switch:
        appended =
            AppendTextBounded(lines, LabelDetailsChars, settings.*setting.Value != 0 ? words.On : words.Off);
        break;
    case LabelSettingKind::HeadList:
        appended = AppendFormatBounded(
            lines, LabelDetailsChars, "%d, %d, %d, %d", static_cast<int>(settings.HeadIntensity[0]),
            static_cast<int>(settings.HeadIntensity[1]), static_cast<int>(settings.HeadIntensity[2]),
            static_cast<int>(settings.HeadIntensity[3]));
        break;
    }
    return appended && AppendTextBounded(lines, LabelDetailsChars, L"\r\n");
}

static_assert(StockHeadCount == 4, "the Details line names every head");

void NoteIgnoredContent(void* context, const LabelRepairNote& note)
{
    if (RepairIgnoresFileContent(note.kind))
        *static_cast<bool*>(context) = true;
}

/* The catalogue at `path` as every load reads it; false when it cannot be
 * opened or is read only in part, so that saving it would lose the rest. */
bool ReadWholeCatalogue(const wchar_t* path, LabelList* list)
{
    FILE* file = OpenLabelCatalogueFile(path);
    if (file == nullptr)
        return false;
    bool partOnly = false;
    LabelRepairSink sink = {NoteIgnoredContent, &partOnly};
    list->Count = ReadLabelCatalogueStream(file, list->Labels, MaxLabels, &sink);
    fclose(file);
    return !partOnly;
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

void AppendStockSettingsDetails(const LabelSettings& settings, const StockSettingWords& words,
                                wchar_t (&details)[LabelDetailsChars])
{
    wchar_t lines[LabelDetailsChars];
    lines[0] = 0;
    for (int rule = 0; rule < LabelSettingCount; ++rule) {
        if (settings.*LabelSettingRules[rule].Present && !AppendSettingLine(lines, words, settings, rule))
            return;
    }
    if (TextLength(details, LabelDetailsChars) + TextLength(lines, LabelDetailsChars) < LabelDetailsChars)
        AppendTextBounded(details, LabelDetailsChars, lines);
}

int FindStockInCatalogue(const LabelList& list, const LabelEntry& stock)
{
    /* The last of stocks sharing id and name, as the page and the merge
       pick the last. */
    for (int i = list.Count - 1; i >= 0; --i)
        if (list.Labels[i].id == stock.id && strncmp(list.Labels[i].name, stock.name, LabelNameSize) == 0)
            return i;
    return -1;
}

bool SaveSettingsToStock(const LabelEntry& stock, const LabelSettings& settings, const wchar_t* path)
{
    wchar_t* defaultPath = path == nullptr ? GetLabelCataloguePath() : nullptr;
    const wchar_t* file = path != nullptr ? path : defaultPath;
    LabelList* list = file != nullptr ? static_cast<LabelList*>(malloc(sizeof(LabelList))) : nullptr;
    bool saved = false;
    if (list != nullptr && ReadWholeCatalogue(file, list)) {
        const int index = FindStockInCatalogue(*list, stock);
        if (index >= 0) {
            list->Labels[index].settings = settings;
            saved = SaveLabelCatalogue(list->Labels, list->Count, file);
        }
    }
    free(list);
    free(defaultPath);
    return saved;
}
