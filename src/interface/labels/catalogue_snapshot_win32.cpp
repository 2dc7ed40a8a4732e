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

/* Held by the thread as its current snapshot and by each count it gave. */
struct Snapshot {
    LabelList list;
    bool identified; /* false: read again at the next load */
    FileIdentity identity;
    uint64_t hash;
    bool settled; /* the identity alone tells any later change */
    int holders;
};

/* One per thread that has read; reused by a later thread once freed. */
struct ThreadCatalogue {
    volatile LONG taken;
    ThreadCatalogue* next;
    Snapshot* current;
    Snapshot* counted[CatalogueCountSlots];
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

void Drop(Snapshot* snapshot)
{
    if (snapshot != nullptr && --snapshot->holders == 0)
        free(snapshot);
}

void ReleaseEntry(ThreadCatalogue* entry)
{
    Drop(entry->current);
    entry->current = nullptr;
    for (Snapshot*& counted : entry->counted) {
        Drop(counted);
        counted = nullptr;
    }
}

/* FNV-1a over the bytes, eight at a time. */
uint64_t HashBytes(const char* bytes, size_t length)
{
    const uint64_t prime = 0x100000001b3ULL;
    uint64_t hash = 0xcbf29ce484222325ULL;
    size_t at = 0;
    for (; at + 8 <= length; at += 8) {
        uint64_t word;
        memcpy(&word, bytes + at, 8);
        hash = (hash ^ word) * prime;
    }
    for (; at < length; ++at)
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * prime;
    return hash ^ length;
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

/* The thread's current snapshot to fill anew when nothing else holds it,
 * else a new one. */
Snapshot* BlankSnapshot(ThreadCatalogue* thread)
{
    Snapshot* snapshot = thread->current;
    if (snapshot == nullptr || snapshot->holders != 1) {
        snapshot = static_cast<Snapshot*>(malloc(sizeof(Snapshot)));
        if (snapshot == nullptr)
            return nullptr;
        snapshot->holders = 1;
    }
    snapshot->list.Count = 0;
    snapshot->identified = false;
    snapshot->hash = 0;
    snapshot->settled = false;
    return snapshot;
}

Snapshot* Install(ThreadCatalogue* thread, Snapshot* snapshot)
{
    if (snapshot != thread->current) {
        Drop(thread->current);
        thread->current = snapshot;
    }
    return snapshot;
}

/* The whole file as ReadLabelCatalogueStream reads it: its size taken
 * from the open file, as many bytes as there are, NUL after them; the file
 * is closed at once.  Null when it cannot be read; *tooLarge when it is
 * refused for its size, whatever it holds. */
char* ReadWholeFile(HANDLE file, DWORD* got, bool* tooLarge)
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

/* A snapshot of the file's text, or the current one when the text is the
 * one it was made from.  Null when memory ran out. */
Snapshot* SnapshotOfText(ThreadCatalogue* thread, const wchar_t* path, const char* text, DWORD length,
                         const FileIdentity* identity, ULONGLONG now)
{
    const uint64_t hash = HashBytes(text, length);
    Snapshot* current = thread->current;
    Snapshot* snapshot =
        current != nullptr && current->identified && current->hash == hash ? current : nullptr;
    if (snapshot == nullptr) {
        snapshot = BlankSnapshot(thread);
        if (snapshot == nullptr)
            return nullptr;
        snapshot->list.Count =
            ParseLabelCatalogueReporting(text, length, snapshot->list.Labels, MaxLabels, nullptr);
        snapshot->hash = hash;
    }
    snapshot->identified = identity != nullptr;
    if (identity != nullptr)
        snapshot->identity = *identity;
    snapshot->settled = identity != nullptr && IsSettled(identity->lastWrite, now, SettledAgeOn(path));
    return Install(thread, snapshot);
}

/* A snapshot with no labels: the file is missing, unreadable or too large. */
Snapshot* EmptySnapshot(ThreadCatalogue* thread)
{
    Snapshot* snapshot = BlankSnapshot(thread);
    return snapshot != nullptr ? Install(thread, snapshot) : nullptr;
}

/*
 * The thread's current snapshot, brought up to the file on disk.  One look
 * at the attributes answers while the file is as the settled snapshot saw
 * it; otherwise the file is read, and parsed unless its bytes are the
 * snapshot's.  Null when memory ran out: the caller reads plainly.
 */
Snapshot* Refresh(ThreadCatalogue* thread, const wchar_t* path)
{
    const ULONGLONG now = Now();
    WIN32_FILE_ATTRIBUTE_DATA data;
    const bool described = GetFileAttributesExW(path, GetFileExInfoStandard, &data) != FALSE;
    if (!described && (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND)) {
        CreateFolderOfMissingCatalogue(path);
        return EmptySnapshot(thread);
    }
    const FileIdentity identity = described ? IdentityOf(data) : FileIdentity{};
    Snapshot* current = thread->current;
    if (described && current != nullptr && current->identified && current->settled &&
        SameIdentity(current->identity, identity))
        return current;
    HANDLE file = OpenCatalogueForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        CreateFolderOfMissingCatalogue(path);
        return EmptySnapshot(thread);
    }
    DWORD length = 0;
    bool tooLarge = false;
    char* text = ReadWholeFile(file, &length, &tooLarge);
    if (text == nullptr)
        return tooLarge ? EmptySnapshot(thread) : nullptr;
    Snapshot* snapshot = SnapshotOfText(thread, path, text, length, described ? &identity : nullptr, now);
    free(text);
    return snapshot;
}

int CopyOut(const Snapshot* snapshot, LabelEntry* entries)
{
    const int count = snapshot->list.Count;
    if (count > 0)
        memcpy(entries, snapshot->list.Labels, static_cast<size_t>(count) * sizeof(LabelEntry));
    return count;
}

}  // namespace

int CopyDefaultCatalogue(LabelEntry* entries, CatalogueUse use, int slot)
{
    const wchar_t* path = DefaultCataloguePath();
    if (path == nullptr)
        return 0;
    ThreadCatalogue* thread = ThisThreadCatalogue();
    if (thread == nullptr)
        return LoadLabelCatalogue(entries, MaxLabels, path);
    const bool slotted = slot >= 0 && slot < CatalogueCountSlots;
    if (slotted && use == CatalogueUse::Fill && thread->counted[slot] != nullptr) {
        Snapshot* counted = thread->counted[slot];
        thread->counted[slot] = nullptr;
        const int count = CopyOut(counted, entries);
        Drop(counted);
        return count;
    }
    Snapshot* snapshot = Refresh(thread, path);
    if (snapshot == nullptr) {
        /* Forget it, so the next load reads the file too. */
        Install(thread, nullptr);
        return LoadLabelCatalogue(entries, MaxLabels, path);
    }
    if (slotted && use == CatalogueUse::Count) {
        Drop(thread->counted[slot]);
        thread->counted[slot] = snapshot;
        ++snapshot->holders;
    }
    return CopyOut(snapshot, entries);
}

void ReleaseThreadCatalogueSnapshots()
{
    const DWORD slot = static_cast<DWORD>(TlsSlot);
    if (slot == TLS_OUT_OF_INDEXES)
        return;
    auto* entry = static_cast<ThreadCatalogue*>(TlsGetValue(slot));
    if (entry == nullptr)
        return;
    ReleaseEntry(entry);
    TlsSetValue(slot, nullptr);
    InterlockedExchange(&entry->taken, 0);
}

void ReleaseAllCatalogueSnapshots()
{
    ThreadCatalogue* entry = static_cast<ThreadCatalogue*>(
        InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&Registry), nullptr));
    while (entry != nullptr) {
        ThreadCatalogue* next = entry->next;
        ReleaseEntry(entry);
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
