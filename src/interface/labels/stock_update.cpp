#include "labels/stock_update.h"

#include <string.h>

#include "labels/label_edit_rules.h"
#include "text/bounded_text.h"

const wchar_t GivenStocksSuffix[] = L".given";

namespace {

bool SameSettings(const LabelSettings& first, const LabelSettings& second)
{
    for (const LabelSettingRule& rule : LabelSettingRules) {
        if (first.*rule.Present != second.*rule.Present)
            return false;
        if (!(first.*rule.Present))
            continue;
        if (rule.Value != nullptr) {
            if (first.*rule.Value != second.*rule.Value)
                return false;
            continue;
        }
        for (int head = 0; head < StockHeadCount; ++head)
            if (first.HeadIntensity[head] != second.HeadIntensity[head])
                return false;
    }
    return true;
}

/* True when an earlier entry of `labels` has the name of entry `index`. */
bool RepeatsEarlierName(const LabelList& labels, int index)
{
    return FindLabelNamed(labels.Labels, index, labels.Labels[index].name, -1) >= 0;
}

void NoteChange(StockUpdate* update, StockOutcome outcome, const char* name, int id)
{
    if (update->ChangeCount >= MaxStockChanges)
        return;
    StockChange& change = update->Changes[update->ChangeCount++];
    change.Outcome = outcome;
    CopyTextBounded(change.Name, sizeof change.Name, name);
    change.Id = id;
}

void Remember(StockUpdate* update, const LabelEntry& stock)
{
    update->Given.Labels[update->Given.Count++] = stock;
}

/* A stock an earlier package gave that this package no longer has. */
void DropStock(const LabelEntry& given, StockUpdate* update)
{
    LabelList& catalogue = update->Catalogue;
    const int index = FindLabelNamed(catalogue, given.name, -1);
    if (index < 0)
        return;
    const int id = catalogue.Labels[index].id;
    if (!SameStock(catalogue.Labels[index], given)) {
        NoteChange(update, StockOutcome::KeptChanged, catalogue.Labels[index].name, id);
        return;
    }
    NoteChange(update, StockOutcome::Removed, given.name, id);
    RemoveLabelAt(&catalogue, index);
    update->CatalogueChanged = true;
}

void AddStock(const LabelEntry& stock, StockUpdate* update)
{
    LabelList& catalogue = update->Catalogue;
    if (catalogue.Count >= MaxLabels) {
        NoteChange(update, StockOutcome::LeftOut, stock.name, -1);
        return;
    }
    LabelEntry& added = catalogue.Labels[catalogue.Count];
    added = stock;
    added.id = NextLabelId(catalogue);
    ++catalogue.Count;
    update->CatalogueChanged = true;
    NoteChange(update, StockOutcome::Added, stock.name, added.id);
    Remember(update, stock);
}

/* A stock given earlier that the package still has. */
void FollowGivenStock(const LabelEntry& stock, const LabelEntry& given, int index, StockUpdate* update)
{
    if (index < 0) {
        NoteChange(update, StockOutcome::KeptDeleted, given.name, -1);
        Remember(update, given);
        return;
    }
    LabelEntry& label = update->Catalogue.Labels[index];
    if (SameStock(label, given)) {
        if (!SameStock(stock, given)) {
            const int id = label.id;
            label = stock;
            label.id = id;
            update->CatalogueChanged = true;
            NoteChange(update, StockOutcome::Updated, label.name, id);
        }
        Remember(update, stock);
    } else if (SameStock(label, stock)) {
        Remember(update, stock);
    } else {
        NoteChange(update, StockOutcome::KeptChanged, label.name, label.id);
        Remember(update, given);
    }
}

void TakePackageStock(const LabelEntry& stock, const LabelList& given, StockUpdate* update)
{
    const int index = FindLabelNamed(update->Catalogue, stock.name, -1);
    const int givenIndex = FindLabelNamed(given, stock.name, -1);
    if (givenIndex >= 0) {
        FollowGivenStock(stock, given.Labels[givenIndex], index, update);
    } else if (index < 0) {
        AddStock(stock, update);
    } else if (!SameStock(update->Catalogue.Labels[index], stock)) {
        NoteChange(update, StockOutcome::KeptOwn, update->Catalogue.Labels[index].name,
                   update->Catalogue.Labels[index].id);
    }
}

}  // namespace

bool SameStock(const LabelEntry& first, const LabelEntry& second)
{
    return strcmp(first.name, second.name) == 0 && strcmp(first.width, second.width) == 0 &&
           strcmp(first.length, second.length) == 0 && strcmp(first.horzOffset, second.horzOffset) == 0 &&
           strcmp(first.vertOffset, second.vertOffset) == 0 && first.units == second.units &&
           SameSettings(first.settings, second.settings);
}

bool SameLabelList(const LabelList& first, const LabelList& second)
{
    if (first.Count != second.Count)
        return false;
    for (int i = 0; i < first.Count; ++i)
        if (first.Labels[i].id != second.Labels[i].id || !SameStock(first.Labels[i], second.Labels[i]))
            return false;
    return true;
}

void UpdateStockLabels(const LabelList& machine, const LabelList& package, const LabelList& given,
                       StockUpdate* update)
{
    update->Catalogue = machine;
    update->Given.Count = 0;
    update->CatalogueChanged = false;
    update->ChangeCount = 0;
    for (int i = 0; i < given.Count; ++i)
        if (!RepeatsEarlierName(given, i) && FindLabelNamed(package, given.Labels[i].name, -1) < 0)
            DropStock(given.Labels[i], update);
    for (int i = 0; i < package.Count; ++i)
        if (!RepeatsEarlierName(package, i))
            TakePackageStock(package.Labels[i], given, update);
    update->GivenChanged = !SameLabelList(update->Given, given);
}

bool IsGivenUnchanged(const LabelEntry& label, const LabelList& given)
{
    const int index = FindLabelNamed(given, label.name, -1);
    return index >= 0 && SameStock(label, given.Labels[index]);
}

bool ComposeGivenStocksPath(wchar_t* path, size_t size, const wchar_t* cataloguePath)
{
    return CopyTextBounded(path, size, cataloguePath) && AppendTextBounded(path, size, GivenStocksSuffix);
}
