#include "print_ticket/ticket_conversion.h"

#include <string.h>

#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "text/bounded_text.h"

namespace {

bool ShowsAlike(const TicketSetting& setting, int64_t recordValue, int64_t ticketValue)
{
    return ChoiceShowingValue(setting, recordValue) == ChoiceShowingValue(setting, ticketValue);
}

/* Whole tenths of a millimetre, rounded half up; -1 outside 1..32767. */
int32_t TenthsFromMicrons(int64_t microns)
{
    if (microns <= 0 || microns > INT16_MAX * MicronsPerTenthMm)
        return -1;
    const int64_t tenths = (microns + MicronsPerTenthMm / 2) / MicronsPerTenthMm;
    return tenths >= 1 && tenths <= INT16_MAX ? static_cast<int32_t>(tenths) : -1;
}

/* Returns the values left out (0 or 1). */
int ApplyPaper(const TicketPaper& paper, DriverDevMode* record, bool* changed)
{
    PublicDevMode& pub = record->Public;
    if (paper.PaperSize != PaperSizeUser) {
        *changed = pub.dmPaperSize != paper.PaperSize;
        pub.dmPaperSize = static_cast<int16_t>(paper.PaperSize);
        return 0;
    }
    const int32_t width = TenthsFromMicrons(paper.WidthMicrons);
    const int32_t length = TenthsFromMicrons(paper.LengthMicrons);
    if (width < 0 || length < 0)
        return 1;
    *changed = pub.dmPaperSize != PaperSizeUser || pub.dmPaperWidth != width || pub.dmPaperLength != length;
    pub.dmPaperSize = PaperSizeUser;
    pub.dmPaperWidth = static_cast<int16_t>(width);
    pub.dmPaperLength = static_cast<int16_t>(length);
    return 0;
}

int ApplyText(const TicketValues& values, int index, DriverDevMode* record)
{
    const bool fits = values.Values[index].Number < static_cast<int64_t>(sizeof values.Text);
    CopyTextBounded(record->Extra.LabelName, sizeof record->Extra.LabelName, fits ? values.Text : "");
    return fits ? 0 : 1;
}

/* Returns the values brought into range (0 or 1). */
int ApplyValue(const TicketSetting& setting, int64_t value, DriverDevMode* record)
{
    const TicketRange range = TicketSettingRange(setting);
    const bool inRange = value >= range.Minimum && value <= range.Maximum;
    const int64_t current = ReadTicketField(*record, setting);
    if (setting.Kind == TicketKind::Choice && inRange && ShowsAlike(setting, current, value))
        return 0;
    WriteTicketField(record, setting, inRange ? value : range.Default);
    return inRange ? 0 : 1;
}

/* Whether the record holds the value the ticket carried for setting `i`. */
bool HoldsTicketValue(const TicketValues& values, int i, const DriverDevMode& record)
{
    const TicketSetting& setting = TicketSettings[i];
    switch (setting.Kind) {
    case TicketKind::Paper:
        if (values.Paper.PaperSize != record.Public.dmPaperSize)
            return false;
        return values.Paper.PaperSize != PaperSizeUser ||
               (values.Paper.WidthMicrons == record.Public.dmPaperWidth * MicronsPerTenthMm &&
                values.Paper.LengthMicrons == record.Public.dmPaperLength * MicronsPerTenthMm);
    case TicketKind::Text:
        /* On a label the name follows the paper (NameAsTheCatalogue). */
        return record.Public.dmPaperSize > PaperSizeUser ||
               (strcmp(values.Text, record.Extra.LabelName) == 0 &&
                values.Values[i].Number < static_cast<int64_t>(sizeof values.Text));
    case TicketKind::Choice:
        return ShowsAlike(setting, ReadTicketField(record, setting), values.Values[i].Number);
    default:
        return ReadTicketField(record, setting) == values.Values[i].Number;
    }
}

/* A record on a catalogue label carries the label's name as the catalogue
 * has it, whatever name text a ticket brought: the merge names it so, and a
 * ticket's text may have lost bytes XML cannot carry. */
void NameAsTheCatalogue(DriverDevMode* record, CatalogueLabels* labels)
{
    if (record->Public.dmPaperSize <= PaperSizeUser)
        return;
    EnsureCatalogueLoaded(labels);
    const LabelEntry* label = FindLastLabelWithId(labels, record->Public.dmPaperSize);
    if (label != nullptr)
        CopyTextBounded(record->Extra.LabelName, sizeof record->Extra.LabelName, label->name);
}

}  // namespace

int ApplyTicketValues(const TicketValues& values, DriverDevMode* record, bool* paperChanged)
{
    bool changed = false;
    int repairs = 0;
    for (int i = 0; i < TicketSettingCount; ++i) {
        if (!values.Values[i].Present)
            continue;
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind == TicketKind::Paper)
            repairs += ApplyPaper(values.Paper, record, &changed);
        else if (setting.Kind == TicketKind::Text)
            repairs += ApplyText(values, i, record);
        else
            repairs += ApplyValue(setting, values.Values[i].Number, record);
    }
    if (paperChanged != nullptr)
        *paperChanged = changed;
    return repairs;
}

bool ConvertTicketToRecord(const TicketValues& values, const DriverDevMode& base, DriverDevMode* out,
                           CatalogueLabels* labels)
{
    DriverDevMode applied = base;
    bool paperChanged = false;
    ApplyTicketValues(values, &applied, &paperChanged);
    if (!paperChanged) {
        NameAsTheCatalogue(&applied, labels);
        *out = applied;
        return true;
    }
    DriverDevMode merged;
    BuildDefaultDevMode(&merged, base.Public.dmDeviceName);
    if (!MergeDevModeWithLabels(&merged, &applied, labels))
        return false;
    *out = merged;
    return true;
}

int ResolveTicketDependencies(const PrinterOptions& options, DriverDevMode* record)
{
    int changes = 0;
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        /* The switch of an option not installed is off; the values that
           belong to it keep what they hold, as the locked page keeps them. */
        const bool isSwitch = setting.Kind == TicketKind::Choice && setting.ChoiceCount == 2 &&
                              setting.Choices[0].Value == 0 && setting.Choices[1].Value == 1;
        if (!isSwitch || TicketSettingAvailable(setting, options) || ReadTicketField(*record, setting) == 0)
            continue;
        WriteTicketField(record, setting, 0);
        ++changes;
    }
    return changes;
}

int ValidateTicketValues(TicketValues* values, const PrinterOptions& options, CatalogueLabels* labels)
{
    DriverDevMode base;
    BuildDefaultDevMode(&base, nullptr);
    GiveRecordAUsablePaper(&base);
    DriverDevMode result;
    if (!ConvertTicketToRecord(*values, base, &result, labels))
        return -1;
    ResolveTicketDependencies(options, &result);
    int conflicts = 0;
    for (int i = 0; i < TicketSettingCount; ++i) {
        if (values->Values[i].Present && !HoldsTicketValue(*values, i, result))
            ++conflicts;
    }
    TicketValuesFromRecord(result, values);
    return conflicts;
}
