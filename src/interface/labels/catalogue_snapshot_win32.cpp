#include "labels/catalogue_snapshot_win32.h"

#include <windows.h>

#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_json.h"

namespace {

/* In 100 ns units: a file last written longer ago than this gets another
 * last-write time from any later write.  FAT keeps times to two seconds;
 * the others (NTFS, and the Unix file systems under Wine) take them from
 * the system clock, whose tick is at most about 16 ms. */
constexpr ULONGLONG CoarseSettledAge = 3ULL * 10000000ULL;
constexpr ULONGLONG FineSettledAge = 250ULL * 10000ULL;

/* Found once per process: the catalogue's volume does not change. */
volatile LONG64 KnownSettledAge = 0;

ULONGLONG SettledAgeOn(const wchar_t* path)
{
    const LONG64 known = KnownSettledAge;
    if (known != 0)
        return static_cast<ULONGLONG>(known);
    wchar_t volume[MAX_PATH];
    wchar_t system[MAX_PATH] = L"";
    ULONGLONG age = CoarseSettledAge;
    if (GetVolumePathNameW(path, volume, MAX_PATH) &&
        GetVolumeInformationW(volume, nullptr, 0, nullptr, nullptr, nullptr, system, MAX_PATH) &&
        wcsstr(system, L"FAT") == nullptr)
        age = FineSettledAge;
    InterlockedExchange64(&KnownSettledAge, static_cast<LONG64>(age));
    return age;
}

/* What the file's attributes tell without opening it: under Wine an open
 * handle, however briefly held, stops a save's rename. */
struct FileIdentity {
    DWORD sizeHigh;
    DWORD sizeLow;
    FILETIME creation;
    FILETIME lastWrite;
};

/* The catalogue a thread last read, and what tells whether it still is. */
struct Snapshot {
    LabelList list;
    bool identified; /* false: read again at the next load */
    FileIdentity identity;
    bool settled; /* the identity alone tells any later change */
};

/* One per thread that has read; reused by a later thread once freed. */
struct ThreadCatalogue {
    volatile LONG taken;
    ThreadCatalogue* next;
    Snapshot* current; /* null until the thread's first read */
};

/* Entries are only ever added while the module is loaded, so walking the
 * list needs no lock; they are freed when it is unloaded. */
ThreadCatalogue* volatile Registry = nullptr;
volatile LONG TlsSlot = static_cast<LONG>(TLS_OUT_OF_INDEXES);

DWORD ThreadSlot()
{
    const DWORD slot = static_cast<DWORD>(TlsSlot);
    if (slot != TLS_OUT_OF_INDEXES)
        return slot;
    const DWORD mine = TlsAlloc();
    if (mine == TLS_OUT_OF_INDEXES)
        return mine;
    const LONG before =
        InterlockedCompareExchange(&TlsSlot, static_cast<LONG>(mine), static_cast<LONG>(TLS_OUT_OF_INDEXES));
    if (before == static_cast<LONG>(TLS_OUT_OF_INDEXES))
        return mine;
    TlsFree(mine);
    return static_cast<DWORD>(before);
}

ThreadCatalogue* ClaimFreeEntry()
{
    for (ThreadCatalogue* entry = Registry; entry != nullptr; entry = entry->next)
        if (InterlockedCompareExchange(&entry->taken, 1, 0) == 0)
            return entry;
    return nullptr;
}

ThreadCatalogue* AddEntry()
{
    auto* entry = static_cast<ThreadCatalogue*>(calloc(1, sizeof(ThreadCatalogue)));
    if (entry == nullptr)
        return nullptr;
    entry->taken = 1;
    void* head;
    do {
        head = Registry;
        entry->next = static_cast<ThreadCatalogue*>(head);
    } while (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&Registry), entry, head) !=
             head);
    return entry;
}

ThreadCatalogue* ThisThreadCatalogue()
{
    const DWORD slot = ThreadSlot();
    if (slot == TLS_OUT_OF_INDEXES)
        return nullptr;
    auto* entry = static_cast<ThreadCatalogue*>(TlsGetValue(slot));
    if (entry != nullptr)
        return entry;
    entry = ClaimFreeEntry();
    if (entry == nullptr)
        entry = AddEntry();
    if (entry != nullptr)
        TlsSetValue(slot, entry);
    return entry;
}

FileIdentity IdentityOf(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return {data.nFileSizeHigh, data.nFileSizeLow, data.ftCreationTime, data.ftLastWriteTime};
}

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return a.dwHighDateTime == b.dwHighDateTime && a.dwLowDateTime == b.dwLowDateTime;
}

bool SameIdentity(const FileIdentity& a, const FileIdentity& b)
{
    return a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow && SameTime(a.creation, b.creation) &&
           SameTime(a.lastWrite, b.lastWrite);
}

ULONGLONG Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

/* `now` taken before the bytes were read, so no write after it can keep
 * the last-write time. */
bool IsSettled(const FILETIME& lastWrite, ULONGLONG now, ULONGLONG settledAge)
{
    const ULONGLONG written =
        (static_cast<ULONGLONG>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
    return now > written && now - written > settledAge;
}

/* The thread's snapshot, made on its first read and refilled in place from
 * then on.  Null when memory ran out. */
Snapshot* ThreadSnapshot(ThreadCatalogue* thread)
{
    if (thread->current == nullptr)
        thread->current = static_cast<Snapshot*>(calloc(1, sizeof(Snapshot)));
    return thread->current;
}

/* The snapshot told to read the file again at the next load. */
Snapshot* Unidentified(Snapshot* snapshot, int count)
{
    snapshot->list.Count = count;
    snapshot->identified = false;
    snapshot->settled = false;
    return snapshot;
}

/*
 * The snapshot brought up to the file on disk.  One look at the attributes
 * answers while the file is as the settled snapshot saw it; otherwise the
 * file is read and parsed.  No answer rests on a digest of the bytes: two
 * texts that a digest took for one would leave a thread with a catalogue
 * that is no longer there, and a dialog saving it back over another
 * program's edits.  A missing file, a folder in its place and a file that
 * cannot be opened or is too large are an empty catalogue.  Null when
 * memory ran out: the caller reads plainly.
 */
Snapshot* Refresh(Snapshot* snapshot, const wchar_t* path)
{
    const ULONGLONG now = Now();
    WIN32_FILE_ATTRIBUTE_DATA data;
    const bool described = GetFileAttributesExW(path, GetFileExInfoStandard, &data) != FALSE;
    if (!described && (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND)) {
        CreateFolderOfMissingCatalogue(path);
        return Unidentified(snapshot, 0);
    }
    if (described && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Unidentified(snapshot, 0);
    const FileIdentity identity = described ? IdentityOf(data) : FileIdentity{};
    if (described && snapshot->identified && snapshot->settled && SameIdentity(snapshot->identity, identity))
        return snapshot;
    HANDLE file = OpenCatalogueForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        CreateFolderOfMissingCatalogue(path);
        return Unidentified(snapshot, 0);
    }
    DWORD length = 0;
    bool tooLarge = false;
    char* text = ReadWholeCatalogueHandle(file, &length, &tooLarge);
    if (text == nullptr)
        return tooLarge ? Unidentified(snapshot, 0) : nullptr;
    snapshot->list.Count =
        ParseLabelCatalogueReporting(text, length, snapshot->list.Labels, MaxLabels, nullptr);
    free(text);
    snapshot->identified = described;
    snapshot->identity = identity;
    snapshot->settled = described && IsSettled(identity.lastWrite, now, SettledAgeOn(path));
    return snapshot;
}

}  // namespace

int CopyDefaultCatalogue(LabelEntry* entries)
{
    const wchar_t* path = DefaultCataloguePath();
    if (path == nullptr)
        return 0;
    ThreadCatalogue* thread = ThisThreadCatalogue();
    Snapshot* snapshot = thread != nullptr ? ThreadSnapshot(thread) : nullptr;
    if (snapshot != nullptr && Refresh(snapshot, path) != nullptr) {
        const int count = snapshot->list.Count;
        if (count > 0)
            memcpy(entries, snapshot->list.Labels, static_cast<size_t>(count) * sizeof(LabelEntry));
        return count;
    }
    /* Forget it, so the next load reads the file too. */
    if (snapshot != nullptr)
        Unidentified(snapshot, 0);
    return ReadCatalogueFileAt(path, entries, MaxLabels);
}

void ReleaseThreadCatalogueSnapshots()
{
    const DWORD slot = static_cast<DWORD>(TlsSlot);
    if (slot == TLS_OUT_OF_INDEXES)
        return;
    auto* entry = static_cast<ThreadCatalogue*>(TlsGetValue(slot));
    if (entry == nullptr)
        return;
    free(entry->current);
    entry->current = nullptr;
    TlsSetValue(slot, nullptr);
    InterlockedExchange(&entry->taken, 0);
}

void ReleaseAllCatalogueSnapshots()
{
    ThreadCatalogue* entry = static_cast<ThreadCatalogue*>(
        InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&Registry), nullptr));
    while (entry != nullptr) {
        ThreadCatalogue* next = entry->next;
        free(entry->current);
        free(entry);
        entry = next;
    }
    const DWORD slot =
        static_cast<DWORD>(InterlockedExchange(&TlsSlot, static_cast<LONG>(TLS_OUT_OF_INDEXES)));
    /* TlsFree empties the slot in every thread, so a thread that called the
       unloaded module finds nothing of it once the module is loaded again. */
    if (slot != TLS_OUT_OF_INDEXES)
        TlsFree(slot);
    ForgetDefaultCataloguePath();
}
