#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_json.h"
#include "labels/catalogue_snapshot_win32.h"
#include "labels/label_catalogue.h"
#include "text/bounded_text.h"

namespace {

const wchar_t CatalogueFolderName[] = L"\\PDR7300Zr";
const wchar_t CatalogueFileName[] = L"\\label-list.kmr";

/* Room for the catalogue's path and the suffix a save's own file gets. */
constexpr size_t TemporaryPathSize = 1024;

/* The save's own file is tried under a few counts before the save gives up:
 * another count is only needed beside a file that a save which died left. */
constexpr unsigned TemporaryNameTries = 100;

/* The folder of the catalogue at `catalogue`, made if missing. */
bool CreateCatalogueFolder(const wchar_t* catalogue)
{
    wchar_t folder[LabelCataloguePathSize];
    if (!CopyTextBounded(folder, LabelCataloguePathSize, catalogue))
        return false;
    wchar_t* last = wcsrchr(folder, L'\\');
    if (last == nullptr)
        return false;
    *last = L'\0';
    return CreateDirectoryW(folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

/* The caller's path, or the default one, which `owned` then holds. */
const wchar_t* ResolveCataloguePath(const wchar_t* path, wchar_t** owned)
{
    *owned = nullptr;
    if (path != nullptr)
        return path;
    *owned = GetLabelCataloguePath();
    return *owned;
}

/* Published once; a thread that loses the race frees its own copy. */
wchar_t* volatile KeptDefaultPath = nullptr;

wchar_t* ComposeDefaultCataloguePath()
{
    wchar_t* path = static_cast<wchar_t*>(malloc(LabelCataloguePathSize * sizeof(wchar_t)));
    if (path == nullptr)
        return nullptr;
    path[0] = L'\0';
    bool composed = SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE) &&
                    AppendTextBounded(path, LabelCataloguePathSize, CatalogueFolderName) &&
                    AppendTextBounded(path, LabelCataloguePathSize, CatalogueFileName);
    if (composed)
        return path;
    free(path);
    return nullptr;
}

/*
 * Readers and the writer meet only for a moment (a read of a few kilobytes,
 * a rename), so a conflict between them is waited out briefly rather than
 * answered at once: a reader that answered "no labels" would make the
 * spooler hold jobs and applications lose their paper list, and a writer
 * that gave up would lose the user's edits.  A step is tried again after a
 * short wait, doubling up to `longest`, until `budget` milliseconds have
 * passed since the first try.
 */
struct RetryClock {
    ULONGLONG start;
    DWORD budget;
    DWORD wait;
    DWORD longest;
};

/* A load waits out a conflict for a tenth of a second or so, a save waits
 * out readers (in any process) for about two seconds. */
RetryClock ReaderRetryClock()
{
    return {GetTickCount64(), 150, 1, 20};
}
RetryClock WriterRetryClock()
{
    return {GetTickCount64(), 2000, 2, 10};
}

bool WaitBeforeRetry(RetryClock* clock)
{
    if (GetTickCount64() - clock->start >= clock->budget)
        return false;
    Sleep(clock->wait);
    clock->wait = clock->wait * 2 < clock->longest ? clock->wait * 2 : clock->longest;
    return true;
}

/* Errors another opener of the same file causes while it holds it. */
bool IsPassingConflict(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

/* The open file as a C stream in byte mode; the stream owns the handle. */
FILE* StreamOfHandle(HANDLE file)
{
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
        return nullptr;
    }
    FILE* stream = _fdopen(descriptor, "rb");
    if (stream == nullptr) {
        _close(descriptor);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return stream;
}

/* "<catalogue>.<process>-<thread>-<count>.tmp": the ids keep the saves of
 * every program and thread on the machine apart. */
bool ComposeTemporaryPath(wchar_t* temporary, const wchar_t* target, unsigned count)
{
    temporary[0] = L'\0';
    return AppendTextBounded(temporary, TemporaryPathSize, target) &&
           AppendFormatBounded(temporary, TemporaryPathSize, ".%lu-%lu-%u.tmp",
                               static_cast<unsigned long>(GetCurrentProcessId()),
                               static_cast<unsigned long>(GetCurrentThreadId()), count);
}

/*
 * Creates the save's own new file beside the catalogue, so that replacing
 * the catalogue with it is a rename within one folder.  Each save has a file
 * of its own: two saves at once (the dialog in one program, the tool in
 * another) never write, rename or remove each other's text.  The file is
 * made new, never taken over, and nothing else opens it.
 */
HANDLE CreateTemporaryFile(const wchar_t* target, wchar_t* temporary)
{
    for (unsigned count = 0; count < TemporaryNameTries; ++count) {
        if (!ComposeTemporaryPath(temporary, target, count)) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return INVALID_HANDLE_VALUE;
        }
        HANDLE file =
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

/* The whole text into the open file, on the disk before the file is closed.
 * Returns ERROR_SUCCESS or the error that stopped it. */
DWORD WriteWholeText(HANDLE file, const char* bytes, size_t length)
{
    DWORD written = 0;
    bool complete = length <= MAXDWORD &&
                    WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr) &&
                    written == length && FlushFileBuffers(file);
    DWORD error = complete ? ERROR_SUCCESS : GetLastError();
    if (!CloseHandle(file) && error == ERROR_SUCCESS)
        error = GetLastError();
    if (error == ERROR_SUCCESS && !complete)
        error = ERROR_WRITE_FAULT;
    return error;
}

/*
 * Renames the save's file over the catalogue.  A file system that cannot
 * replace a file while readers hold it (Wine's refuses with access denied,
 * whatever they share) is tried again until a moment without readers; the
 * file being renamed is the save's own, so another try renames the same text.
 */
DWORD MoveOverCatalogue(const wchar_t* temporary, const wchar_t* target)
{
    RetryClock clock = WriterRetryClock();
    for (;;) {
        if (MoveFileExW(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return ERROR_SUCCESS;
        DWORD error = GetLastError();
        if (!IsPassingConflict(error) || !WaitBeforeRetry(&clock))
            return error;
    }
}

/*
 * Replaces the catalogue with `text`.  The catalogue changes only by the
 * rename of a file that holds the whole text, so a reader sees the old text
 * or the new one and never a mixture; a save that fails at any step leaves
 * the old file whole, removes its own file and leaves the cause in the
 * thread's last error.
 */
bool ReplaceCatalogueFile(const wchar_t* target, const char* text)
{
    wchar_t temporary[TemporaryPathSize];
    HANDLE file = CreateTemporaryFile(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD error = WriteWholeText(file, text, strlen(text));
    if (error == ERROR_SUCCESS)
        error = MoveOverCatalogue(temporary, target);
    if (error == ERROR_SUCCESS)
        return true;
    DeleteFileW(temporary);
    SetLastError(error);
    return false;
}

}  // namespace

/*
 * Readers share the file for reading, writing and deletion, so that they
 * never stop a rename where the file system lets one replace an open file;
 * Wine's does not, whatever is shared, and there the save waits for a
 * moment without readers.  A reader goes on reading the text it opened,
 * whole; the next one opens the new text.  The catalogue is only ever
 * replaced by a rename, so it is never missing while a save runs: a missing
 * file is an empty catalogue.
 */
HANDLE OpenCatalogueForReading(const wchar_t* path)
{
    RetryClock clock = ReaderRetryClock();
    for (;;) {
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        DWORD error = GetLastError();
        if (!IsPassingConflict(error) || !WaitBeforeRetry(&clock)) {
            SetLastError(error);
            return INVALID_HANDLE_VALUE;
        }
    }
}

const wchar_t* DefaultCataloguePath()
{
    wchar_t* kept = KeptDefaultPath;
    if (kept != nullptr)
        return kept;
    wchar_t* composed = ComposeDefaultCataloguePath();
    if (composed == nullptr)
        return nullptr;
    void* before = InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&KeptDefaultPath),
                                                     composed, nullptr);
    if (before == nullptr)
        return composed;
    free(composed);
    return static_cast<wchar_t*>(before);
}

void ForgetDefaultCataloguePath()
{
    free(InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&KeptDefaultPath), nullptr));
}

void CreateFolderOfMissingCatalogue(const wchar_t* catalogue)
{
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        CreateCatalogueFolder(catalogue);
    SetLastError(error);
}

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
    return handle != INVALID_HANDLE_VALUE ? StreamOfHandle(handle) : nullptr;
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    if (path == nullptr && capacity >= MaxLabels)
        return CopyDefaultCatalogue(entries, CatalogueUse::Current, 0);
    const wchar_t* source = path != nullptr ? path : DefaultCataloguePath();
    FILE* file = source != nullptr ? OpenLabelCatalogueFile(source) : nullptr;
    if (file == nullptr) {
        if (path == nullptr && source != nullptr)
            CreateFolderOfMissingCatalogue(source);
        return 0;
    }
    int count = ReadLabelCatalogueStream(file, entries, capacity);
    fclose(file);
    return count;
}

bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path)
{
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr)
        return false;
    wchar_t* owned = nullptr;
    const wchar_t* target = ResolveCataloguePath(path, &owned);
    bool saved = target != nullptr && ReplaceCatalogueFile(target, text);
    free(owned);
    ReleaseLabelCatalogueText(text);
    return saved;
}
