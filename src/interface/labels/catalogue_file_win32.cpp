#include <windows.h>
#include <shlobj.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"

namespace {

const wchar_t CatalogueFolderName[] = L"\\PDR7300Zr";
const wchar_t CatalogueFileName[] = L"\\label-list.kmr";

/* The new text is written beside the catalogue, so that replacing the
   catalogue with it is a rename within one folder. */
const wchar_t TemporarySuffix[] = L".tmp";
constexpr size_t TemporaryPathSize = 1024;

bool AppendPath(wchar_t* buffer, size_t size, const wchar_t* piece)
{
    size_t used = wcsnlen(buffer, size);
    size_t added = wcslen(piece);
    if (used >= size || added >= size - used) return false;
    memcpy(buffer + used, piece, (added + 1) * sizeof(wchar_t));
    return true;
}

bool CreateCatalogueFolder(const wchar_t* folder)
{
    return CreateDirectoryW(folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

/* The caller's path, or the default one, which `owned` then holds. */
const wchar_t* ResolveCataloguePath(const wchar_t* path, wchar_t** owned)
{
    *owned = nullptr;
    if (path != nullptr) return path;
    *owned = GetLabelCataloguePath();
    return *owned;
}

/* Writes the whole text to a new file; a file left incomplete is removed. */
bool WriteTemporaryFile(const wchar_t* path, const char* bytes, size_t length)
{
    /* No sharing: a second writer saving at the same moment fails here
       instead of mixing its text into ours. */
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool complete = length <= MAXDWORD &&
        WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr) &&
        written == length && FlushFileBuffers(file);
    complete = CloseHandle(file) && complete;
    if (!complete) DeleteFileW(path);
    return complete;
}

/*
 * The catalogue changes only by a rename, so a reader sees the old text or
 * the new one and never a mixture, and a save that fails at any point
 * leaves the old file whole.  The rename fails while a reader holds the
 * catalogue open, which keeps readers and the writer apart as before.
 */
bool ReplaceCatalogueFile(const wchar_t* target, const char* text)
{
    wchar_t temporary[TemporaryPathSize] = L"";
    if (!AppendPath(temporary, TemporaryPathSize, target) ||
        !AppendPath(temporary, TemporaryPathSize, TemporarySuffix))
        return false;
    if (!WriteTemporaryFile(temporary, text, strlen(text))) return false;
    if (MoveFileExW(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}

}  // namespace

wchar_t* GetLabelCataloguePath()
{
    wchar_t* path = static_cast<wchar_t*>(malloc(LabelCataloguePathSize * sizeof(wchar_t)));
    if (path == nullptr) return nullptr;
    path[0] = L'\0';
    bool composed = SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE) &&
        AppendPath(path, LabelCataloguePathSize, CatalogueFolderName) &&
        CreateCatalogueFolder(path) &&
        AppendPath(path, LabelCataloguePathSize, CatalogueFileName);
    if (composed) return path;
    free(path);
    return nullptr;
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    wchar_t* owned = nullptr;
    const wchar_t* source = ResolveCataloguePath(path, &owned);
    /* "rb" shares the file for reading and writing, as every reader does. */
    FILE* file = source != nullptr ? _wfopen(source, L"rb") : nullptr;
    free(owned);
    if (file == nullptr) return 0;
    int count = ReadLabelCatalogueStream(file, entries, capacity);
    fclose(file);
    return count;
}

bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path)
{
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr) return false;
    wchar_t* owned = nullptr;
    const wchar_t* target = ResolveCataloguePath(path, &owned);
    bool saved = target != nullptr && ReplaceCatalogueFile(target, text);
    free(owned);
    ReleaseLabelCatalogueText(text);
    return saved;
}
