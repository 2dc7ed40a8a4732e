/*
 * The catalogue file on Linux, for the native build only: it lets the
 * platform-neutral code that loads the catalogue link and run in native
 * tests.  The machine's common application-data folder is taken from the
 * environment variable PDR_COMMON_APPDATA; without it there is no default
 * catalogue.  Paths are limited to ASCII, which is all the tests need.
 * POSIX has no sharing modes, so readers and the writer do not exclude
 * each other here; the save still replaces the file in one rename.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <errno.h>

#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"

namespace {

constexpr size_t NarrowPathSize = 1024;

bool NarrowPath(char* narrow, size_t size, const wchar_t* wide)
{
    size_t i = 0;
    for (; wide[i] != L'\0'; ++i) {
        if (i + 1 >= size || wide[i] < 1 || wide[i] > 0x7F) return false;
        narrow[i] = static_cast<char>(wide[i]);
    }
    narrow[i] = '\0';
    return true;
}

bool ResolveNarrowPath(char* narrow, size_t size, const wchar_t* path)
{
    if (path != nullptr) return NarrowPath(narrow, size, path);
    wchar_t* owned = GetLabelCataloguePath();
    bool resolved = owned != nullptr && NarrowPath(narrow, size, owned);
    free(owned);
    return resolved;
}

bool WriteWholeFile(const char* path, const char* text)
{
    FILE* file = fopen(path, "wb");
    if (file == nullptr) return false;
    size_t length = strlen(text);
    bool complete = fwrite(text, 1, length, file) == length;
    complete = fclose(file) == 0 && complete;
    return complete;
}

}  // namespace

wchar_t* GetLabelCataloguePath()
{
    const char* base = getenv("PDR_COMMON_APPDATA");
    if (base == nullptr) return nullptr;
    char folder[LabelCataloguePathSize];
    int length = snprintf(folder, sizeof folder, "%s/PDR7300Zr", base);
    if (length < 0 || static_cast<size_t>(length) >= sizeof folder) return nullptr;
    if (mkdir(folder, 0777) != 0 && errno != EEXIST) return nullptr;
    char narrow[LabelCataloguePathSize];
    length = snprintf(narrow, sizeof narrow, "%s/label-list.kmr", folder);
    if (length < 0 || static_cast<size_t>(length) >= sizeof narrow) return nullptr;
    wchar_t* path = static_cast<wchar_t*>(malloc(LabelCataloguePathSize * sizeof(wchar_t)));
    if (path == nullptr) return nullptr;
    for (int i = 0; i <= length; ++i) path[i] = static_cast<unsigned char>(narrow[i]);
    return path;
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    char narrow[NarrowPathSize];
    if (!ResolveNarrowPath(narrow, sizeof narrow, path)) return 0;
    FILE* file = fopen(narrow, "rb");
    if (file == nullptr) return 0;
    int count = ReadLabelCatalogueStream(file, entries, capacity);
    fclose(file);
    return count;
}

bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path)
{
    char target[NarrowPathSize];
    char temporary[NarrowPathSize + 4];
    if (!ResolveNarrowPath(target, sizeof target, path)) return false;
    snprintf(temporary, sizeof temporary, "%s.tmp", target);
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr) return false;
    bool saved = WriteWholeFile(temporary, text) && rename(temporary, target) == 0;
    if (!saved) remove(temporary);
    ReleaseLabelCatalogueText(text);
    return saved;
}
