/*
 * The catalogue file on Linux and other POSIX systems, for the native
 * programs (the command-line catalogue tool and the native tests).  The
 * machine's common application-data folder is taken from the environment
 * variable PDR_COMMON_APPDATA; without it there is no default catalogue.
 * Paths are wide in the interface, as on Windows, and UTF-8 on disk.
 *
 * POSIX has no sharing modes, so readers and the writer do not exclude each
 * other here: a save writes the whole new text to a file of its own beside
 * the catalogue, makes it durable and renames it over the catalogue, so a
 * reader sees the old text or the new one and never a mixture, and two
 * saves at once each replace the file whole.
 */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wchar.h>

#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "text/bounded_text.h"
#include "text/path_utf8.h"

namespace {

constexpr size_t NarrowPathSize = 4096;
/* Beside the catalogue: "<catalogue>.tmp-" and six characters mkstemp fills. */
const char TemporarySuffix[] = ".tmp-XXXXXX";
/* A catalogue saved for the first time is readable by every user. */
constexpr mode_t NewCatalogueMode = 0644;

bool ResolveNarrowPath(char* narrow, size_t size, const wchar_t* path)
{
    if (path != nullptr)
        return NarrowPathUtf8(narrow, size, path);
    wchar_t* owned = GetLabelCataloguePath();
    bool resolved = owned != nullptr && NarrowPathUtf8(narrow, size, owned);
    free(owned);
    return resolved;
}

bool WriteAll(int descriptor, const char* text, size_t length)
{
    while (length > 0) {
        ssize_t written = write(descriptor, text, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

/* The mode the new file gets: the catalogue's own when it exists, so a save
   never makes the machine's catalogue unreadable to other users. */
mode_t ModeForTarget(const char* target)
{
    struct stat existing;
    if (stat(target, &existing) == 0 && S_ISREG(existing.st_mode))
        return existing.st_mode & 07777;
    return NewCatalogueMode;
}

/* The rename is only as durable as the folder entry it changed. */
void SyncFolderOf(const char* target)
{
    char folder[NarrowPathSize];
    const char* slash = strrchr(target, '/');
    if (slash == nullptr) {
        CopyTextBounded(folder, sizeof folder, ".");
    } else {
        size_t length = slash == target ? 1 : static_cast<size_t>(slash - target);
        memcpy(folder, target, length);
        folder[length] = '\0';
    }
    int descriptor = open(folder, O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

/* Writes the whole text to a new file of this save's own beside `target`
   and renames it over `target`; on any failure the new file is removed,
   `target` is as it was and errno says why. */
bool ReplaceCatalogueFile(const char* target, const char* text)
{
    char temporary[NarrowPathSize + sizeof TemporarySuffix];
    if (!FormatTextBounded(temporary, sizeof temporary, "%s%s", target, TemporarySuffix)) {
        errno = ENAMETOOLONG;
        return false;
    }
    int descriptor = mkstemp(temporary);
    if (descriptor < 0)
        return false;
    bool written = fchmod(descriptor, ModeForTarget(target)) == 0 &&
                   WriteAll(descriptor, text, strlen(text)) && fsync(descriptor) == 0;
    int error = written ? 0 : errno;
    if (close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(temporary, target) == 0) {
        SyncFolderOf(target);
        return true;
    }
    if (written)
        error = errno;
    unlink(temporary);
    errno = error != 0 ? error : EIO;
    return false;
}

}  // namespace

wchar_t* GetLabelCataloguePath()
{
    const char* base = getenv("PDR_COMMON_APPDATA");
    if (base == nullptr || base[0] == '\0')
        return nullptr;
    char folder[NarrowPathSize];
    if (!FormatTextBounded(folder, sizeof folder, "%s/PDR7300Zr", base))
        return nullptr;
    if (mkdir(folder, 0777) != 0 && errno != EEXIST)
        return nullptr;
    char narrow[NarrowPathSize];
    if (!FormatTextBounded(narrow, sizeof narrow, "%s/label-list.kmr", folder))
        return nullptr;
    /* The same bound as the Windows path buffer, so a path the driver could
       not compose is not the default here either. */
    wchar_t* path = WidenPathUtf8(narrow);
    if (path != nullptr && wcslen(path) >= LabelCataloguePathSize) {
        free(path);
        return nullptr;
    }
    return path;
}

FILE* OpenLabelCatalogueFile(const wchar_t* path)
{
    char narrow[NarrowPathSize];
    if (!ResolveNarrowPath(narrow, sizeof narrow, path)) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
    return fopen(narrow, "rb");
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    FILE* file = OpenLabelCatalogueFile(path);
    if (file == nullptr)
        return 0;
    int count = ReadLabelCatalogueStream(file, entries, capacity);
    fclose(file);
    return count;
}

int LoadLabelCatalogueToChange(LabelEntry* entries, int capacity, const wchar_t* path)
{
    return LoadLabelCatalogue(entries, capacity, path);
}

bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path)
{
    char target[NarrowPathSize];
    if (!ResolveNarrowPath(target, sizeof target, path))
        return false;
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr)
        return false;
    bool saved = ReplaceCatalogueFile(target, text);
    ReleaseLabelCatalogueText(text);
    return saved;
}
