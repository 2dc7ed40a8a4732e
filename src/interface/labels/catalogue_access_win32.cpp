/* The catalogue's public load and save on Windows: the default catalogue
 * through the thread snapshots, any other file and every change through the
 * file itself. */
#include <windows.h>

#include <stdlib.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_json.h"
#include "labels/catalogue_snapshot_win32.h"
#include "labels/label_catalogue.h"
#include "text/bounded_text.h"

wchar_t* GetLabelCataloguePath()
{
    const wchar_t* kept = DefaultCataloguePath();
    if (kept == nullptr || !CreateCatalogueFolder(kept))
        return nullptr;
    wchar_t* path = static_cast<wchar_t*>(malloc(LabelCataloguePathSize * sizeof(wchar_t)));
    if (path != nullptr)
        CopyTextBounded(path, LabelCataloguePathSize, kept);
    return path;
}

FILE* OpenLabelCatalogueFile(const wchar_t* path)
{
    HANDLE handle = OpenCatalogueForReading(path);
    return handle != INVALID_HANDLE_VALUE ? StreamOfCatalogueHandle(handle) : nullptr;
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    if (path == nullptr && capacity >= MaxLabels)
        return CopyDefaultCatalogue(entries);
    return LoadLabelCatalogueToChange(entries, capacity, path);
}

int LoadLabelCatalogueToChange(LabelEntry* entries, int capacity, const wchar_t* path)
{
    const wchar_t* source = path != nullptr ? path : DefaultCataloguePath();
    if (source == nullptr)
        return 0;
    const int count = ReadCatalogueFileAt(source, entries, capacity);
    if (count == 0 && path == nullptr)
        CreateFolderOfMissingCatalogue(source);
    return count;
}

bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path)
{
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr)
        return false;
    wchar_t* owned = path == nullptr ? GetLabelCataloguePath() : nullptr;
    const wchar_t* target = path != nullptr ? path : owned;
    bool saved = target != nullptr && PutCatalogueText(target, text, true);
    const DWORD error = GetLastError();
    free(owned);
    ReleaseLabelCatalogueText(text);
    SetLastError(error);
    return saved;
}
