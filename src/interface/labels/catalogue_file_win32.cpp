#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "text/bounded_text.h"

namespace {

const wchar_t CatalogueFolderName[] = L"\\PDR7300Zr";
const wchar_t CatalogueFileName[] = L"\\label-list.kmr";

/* The new text is written beside the catalogue, so that replacing the
   catalogue with it is a rename within one folder. */
const wchar_t TemporarySuffix[] = L".tmp";
constexpr size_t TemporaryPathSize = 1024;

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

/* A load waits out a save for a tenth of a second or so, a save waits out
 * readers (in any process) for about two seconds. */
RetryClock ReaderRetryClock() { return {GetTickCount64(), 150, 1, 20}; }
RetryClock WriterRetryClock() { return {GetTickCount64(), 2000, 2, 10}; }

bool WaitBeforeRetry(RetryClock* clock)
{
    if (GetTickCount64() - clock->start >= clock->budget) return false;
    Sleep(clock->wait);
    clock->wait = clock->wait * 2 < clock->longest ? clock->wait * 2 : clock->longest;
    return true;
}

/* Errors another opener of the same file causes while it holds it. */
bool IsPassingConflict(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

bool ComposeTemporaryPath(wchar_t* temporary, size_t size, const wchar_t* target)
{
    temporary[0] = L'\0';
    return AppendTextBounded(temporary, size, target) && AppendTextBounded(temporary, size, TemporarySuffix);
}

/* A missing catalogue whose temporary file exists is in the middle of a
 * save; a missing one without it is simply an empty catalogue. */
bool IsBeingSaved(const wchar_t* target)
{
    wchar_t temporary[TemporaryPathSize];
    return ComposeTemporaryPath(temporary, TemporaryPathSize, target) &&
           GetFileAttributesW(temporary) != INVALID_FILE_ATTRIBUTES;
}

/*
 * Readers share the file for reading, writing and deletion, so the writer's
 * rename can replace the catalogue while they read: a reader goes on reading
 * the text it opened, whole, and the next one opens the new text.
 */
HANDLE OpenCatalogueForReading(const wchar_t* path)
{
    RetryClock clock = ReaderRetryClock();
    for (;;) {
        HANDLE file = CreateFileW(path, GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        DWORD error = GetLastError();
        bool passing = IsPassingConflict(error) ||
                       (error == ERROR_FILE_NOT_FOUND && IsBeingSaved(path));
        if (!passing || !WaitBeforeRetry(&clock)) {
            SetLastError(error);
            return INVALID_HANDLE_VALUE;
        }
    }
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

/* Writes the whole text to a new file; a file left incomplete is removed.
 * Returns ERROR_SUCCESS or the error that stopped it. */
DWORD WriteTemporaryFile(const wchar_t* path, const char* bytes, size_t length)
{
    /* No sharing: a second writer saving at the same moment waits here
       instead of mixing its text into ours. */
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    bool complete = length <= MAXDWORD &&
        WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr) &&
        written == length && FlushFileBuffers(file);
    DWORD error = complete ? ERROR_SUCCESS : GetLastError();
    if (!CloseHandle(file) && complete) error = GetLastError();
    if (error == ERROR_SUCCESS) return ERROR_SUCCESS;
    DeleteFileW(path);
    return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
}

/*
 * One try at replacing the catalogue: the new text goes to a file beside it,
 * which is then renamed over it.  The catalogue changes only by that rename,
 * so a reader sees the old text or the new one and never a mixture, and a
 * try that fails at any point leaves the old file whole and no temporary
 * file behind.  Returns ERROR_SUCCESS or the error that stopped it.
 */
DWORD TryReplaceCatalogueFile(const wchar_t* target, const wchar_t* temporary, const char* text)
{
    DWORD error = WriteTemporaryFile(temporary, text, strlen(text));
    if (error != ERROR_SUCCESS) return error;
    if (MoveFileExW(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    error = GetLastError();
    DeleteFileW(temporary);
    return error;
}

/* A second writer may have renamed our temporary file away as its own:
 * that try is lost too, and worth another. */
bool IsWorthAnotherSave(DWORD error)
{
    return IsPassingConflict(error) || error == ERROR_FILE_NOT_FOUND;
}

bool ReplaceCatalogueFile(const wchar_t* target, const char* text)
{
    wchar_t temporary[TemporaryPathSize];
    if (!ComposeTemporaryPath(temporary, TemporaryPathSize, target)) return false;
    RetryClock clock = WriterRetryClock();
    for (;;) {
        DWORD error = TryReplaceCatalogueFile(target, temporary, text);
        if (error == ERROR_SUCCESS) return true;
        if (!IsWorthAnotherSave(error) || !WaitBeforeRetry(&clock)) {
            SetLastError(error);
            return false;
        }
    }
}

}  // namespace

wchar_t* GetLabelCataloguePath()
{
    wchar_t* path = static_cast<wchar_t*>(malloc(LabelCataloguePathSize * sizeof(wchar_t)));
    if (path == nullptr) return nullptr;
    path[0] = L'\0';
    bool composed = SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE) &&
        AppendTextBounded(path, LabelCataloguePathSize, CatalogueFolderName) &&
        CreateCatalogueFolder(path) &&
        AppendTextBounded(path, LabelCataloguePathSize, CatalogueFileName);
    if (composed) return path;
    free(path);
    return nullptr;
}

FILE* OpenLabelCatalogueFile(const wchar_t* path)
{
    HANDLE handle = OpenCatalogueForReading(path);
    return handle != INVALID_HANDLE_VALUE ? StreamOfHandle(handle) : nullptr;
}

int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path)
{
    wchar_t* owned = nullptr;
    const wchar_t* source = ResolveCataloguePath(path, &owned);
    FILE* file = source != nullptr ? OpenLabelCatalogueFile(source) : nullptr;
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
