#include "settings/catalogue_labels.h"

void ResetCatalogueLabels(CatalogueLabels* labels)
{
    labels->Count = 0;
    labels->Loaded = false;
    labels->ListLimit = -1;
}

int EnsureCatalogueLoaded(CatalogueLabels* labels)
{
    if (!labels->Loaded) {
        int count = LoadLabelCatalogue(labels->Labels, MaxLabels, nullptr);
        labels->Count = count < 0 ? 0 : (count > MaxLabels ? MaxLabels : count);
        labels->Loaded = true;
    }
    return labels->Count;
}

const LabelEntry* FindLastLabelWithId(const CatalogueLabels* labels, int id)
{
    /* Duplicate ids are accepted in the file; the last one has always won. */
    const LabelEntry* found = nullptr;
    for (int i = 0; i < labels->Count; ++i)
        if (labels->Labels[i].id == id)
            found = &labels->Labels[i];
    return found;
}
