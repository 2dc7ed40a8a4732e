#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_folder_win32.h"
#include "labels/catalogue_json.h"
#include "text/bounded_text.h"

CatalogueFileCalls CatalogueFileCall = {MoveFileExW, Sleep, CreateFileW};

namespace {

const wchar_t CatalogueFolderName[] = L"\\PDR7300Zr";
const wchar_t CatalogueFileName[] = L"\\label-list.kmr";

/* Room for the catalogue's path and the suffix a save's own file gets. */
constexpr size_t TemporaryPathSize = 1024;

/* The save's own file is tried under a few counts before the save gives up:
 * another count is only needed beside a file that a save which died left. */
constexpr unsigned TemporaryNameTries = 100;

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
    CatalogueFileCall.sleep(clock->wait);
    clock->wait = clock->wait * 2 < clock->longest ? clock->wait * 2 : clock->longest;
    return true;
}

/* Errors another opener of the same file causes while it holds it in a way
 * that shuts others out. */
bool IsReaderConflict(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

/* A rename is also refused with access denied where the file system cannot
 * replace a file that readers hold (Wine's, whatever they share): that
 * passes once they let go, unless a folder stands in the catalogue's
 * place, which lasts. */
bool IsPassingRenameConflict(DWORD error, const wchar_t* target)
{
    if (IsReaderConflict(error))
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesW(target);
    SetLastError(error);
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

/* Whether the system refuses this user `access` to the file or folder at
 * `path`: the open itself is the system's access check.  Sharing conflicts
 * and missing files refuse nothing. */
bool IsAccessRefused(const wchar_t* path, DWORD access)
{
    HANDLE handle =
        CatalogueFileCall.createFile(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

/* The folder part of a catalogue's path into `folder`, of
 * LabelCataloguePathSize. */
bool CatalogueFolderOf(const wchar_t* catalogue, wchar_t* folder)
{
    if (!CopyTextBounded(folder, LabelCataloguePathSize, catalogue))
        return false;
    wchar_t* last = wcsrchr(folder, L'\\');
    if (last == nullptr)
        return false;
    *last = L'\0';
    return true;
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

/* A save's name is taken when a file is there: one of this user's, or one
 * of another user's dead save, which the system may answer with a refusal
 * rather than "exists".  A refusal without a file there is the folder's. */
bool IsNameTaken(const wchar_t* temporary, DWORD error)
{
    const bool taken =
        error == ERROR_FILE_EXISTS ||
        (error == ERROR_ACCESS_DENIED && GetFileAttributesW(temporary) != INVALID_FILE_ATTRIBUTES);
    SetLastError(error);
    return taken;
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
        HANDLE file = CatalogueFileCall.createFile(temporary, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || !IsNameTaken(temporary, GetLastError()))
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
 * Renames the save's file onto the catalogue.  A file system that cannot
 * replace a file while readers hold it is tried again until a moment
 * without readers; the file being renamed is the save's own, so another try
 * renames the same text.  Without `replaceExisting` the rename never
 * replaces: a catalogue that appeared meanwhile stays.
 */
DWORD MoveOntoCatalogue(const wchar_t* temporary, const wchar_t* target, bool replaceExisting)
{
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    RetryClock clock = WriterRetryClock();
    for (;;) {
        if (CatalogueFileCall.moveFileEx(temporary, target, flags))
            return ERROR_SUCCESS;
        DWORD error = GetLastError();
        if (!replaceExisting && error == ERROR_FILE_EXISTS)
            return ERROR_ALREADY_EXISTS;
        if (error == ERROR_ACCESS_DENIED && IsAccessRefused(target, DELETE))
            return ERROR_ACCESS_DENIED;
        if (!replaceExisting || !IsPassingRenameConflict(error, target))
            return error;
        if (!WaitBeforeRetry(&clock))
            return IsReaderConflict(error) || error == ERROR_ACCESS_DENIED ? ERROR_SHARING_VIOLATION : error;
    }
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

}  // namespace

bool PutCatalogueText(const wchar_t* target, const char* text, bool replaceExisting)
{
    wchar_t temporary[TemporaryPathSize];
    HANDLE file = CreateTemporaryFile(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD error = WriteWholeText(file, text, strlen(text));
    if (error == ERROR_SUCCESS)
        error = MoveOntoCatalogue(temporary, target, replaceExisting);
    if (error == ERROR_SUCCESS)
        return true;
    DeleteFileW(temporary);
    SetLastError(error);
    return false;
}

/*
 * Readers share the file for reading, writing and deletion, so that they
 * never stop a rename where the file system lets one replace an open file;
 * Wine's does not, whatever is shared, and there the save waits for a
 * moment without readers.  A reader goes on reading the text it opened,
 * whole; the next one opens the new text.  The catalogue is only ever
 * replaced by a rename, so it is never missing while a save runs and never
 * pending deletion: a missing file is an empty catalogue, and a refused
 * access is no passing state, so neither is tried again.
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
        if (!IsReaderConflict(error) || !WaitBeforeRetry(&clock)) {
            SetLastError(error);
            return INVALID_HANDLE_VALUE;
        }
    }
}

FILE* StreamOfCatalogueHandle(HANDLE file)
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

char* ReadWholeCatalogueHandle(HANDLE file, DWORD* got, bool* tooLarge)
{
    *got = 0;
    *tooLarge = false;
    LARGE_INTEGER size;
    char* text = nullptr;
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return nullptr;
    }
    *tooLarge = size.QuadPart > MaxLabelCatalogueBytes;
    if (!*tooLarge)
        text = static_cast<char*>(malloc(static_cast<size_t>(size.QuadPart) + 1));
    const DWORD wanted = static_cast<DWORD>(size.QuadPart);
    while (text != nullptr && *got < wanted) {
        DWORD read = 0;
        if (!ReadFile(file, text + *got, wanted - *got, &read, nullptr)) {
            free(text);
            text = nullptr;
        } else if (read == 0) {
            break;
        } else {
            *got += read;
        }
    }
    CloseHandle(file);
    if (text != nullptr)
        text[*got] = '\0';
    return text;
}

int ReadCatalogueFileAt(const wchar_t* path, LabelEntry* entries, int capacity)
{
    HANDLE handle = OpenCatalogueForReading(path);
    FILE* file = handle != INVALID_HANDLE_VALUE ? StreamOfCatalogueHandle(handle) : nullptr;
    if (file == nullptr)
        return 0;
    int count = ReadLabelCatalogueStream(file, entries, capacity);
    fclose(file);
    return count;
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

bool CreateCatalogueFolder(const wchar_t* catalogue)
{
    wchar_t folder[LabelCataloguePathSize];
    if (!CatalogueFolderOf(catalogue, folder))
        return false;
    if (!CreateDirectoryW(folder, nullptr))
        return GetLastError() == ERROR_ALREADY_EXISTS;
    /* Made by this process: it gets its list now.  A user the system does
       not let set it leaves the folder to the next installation. */
    ApplyCatalogueFolderAccess(folder, CatalogueFolderEvent::Made);
    return true;
}

bool PrepareCatalogueFolderAtInstall()
{
    const wchar_t* catalogue = DefaultCataloguePath();
    wchar_t folder[LabelCataloguePathSize];
    if (catalogue == nullptr || !CatalogueFolderOf(catalogue, folder))
        return false;
    if (CreateDirectoryW(folder, nullptr))
        return ApplyCatalogueFolderAccess(folder, CatalogueFolderEvent::Made);
    return GetLastError() == ERROR_ALREADY_EXISTS &&
           ApplyCatalogueFolderAccess(folder, CatalogueFolderEvent::Installed);
}

bool SetLabelCatalogueLock(bool locked)
{
    const wchar_t* catalogue = DefaultCataloguePath();
    wchar_t folder[LabelCataloguePathSize];
    if (catalogue == nullptr || !CatalogueFolderOf(catalogue, folder) || !CreateCatalogueFolder(catalogue))
        return false;
    return ApplyCatalogueFolderAccess(folder,
                                      locked ? CatalogueFolderEvent::Lock : CatalogueFolderEvent::Unlock);
}

CatalogueFolderAccess LabelCatalogueFolderAccess()
{
    const wchar_t* catalogue = DefaultCataloguePath();
    wchar_t folder[LabelCataloguePathSize];
    if (catalogue == nullptr || !CatalogueFolderOf(catalogue, folder))
        return CatalogueFolderAccess::Other;
    return ReadCatalogueFolderAccess(folder);
}

bool MayChangeLabelCatalogue(const wchar_t* catalogue)
{
    const wchar_t* path = catalogue != nullptr ? catalogue : DefaultCataloguePath();
    wchar_t folder[LabelCataloguePathSize];
    if (path == nullptr || !CatalogueFolderOf(path, folder))
        return true;
    return !IsAccessRefused(folder, FILE_ADD_FILE) && !IsAccessRefused(path, DELETE);
}

void CreateFolderOfMissingCatalogue(const wchar_t* catalogue)
{
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        CreateCatalogueFolder(catalogue);
    SetLastError(error);
}
