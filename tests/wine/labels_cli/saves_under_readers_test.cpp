/*
 * Saves one after another while the catalogue is read in a tight loop by a
 * thread of this process and by a second process.  After every save the
 * file must hold exactly what the save reported (the new list when it
 * reported success, the old one when it reported failure) with no file of
 * the save's left beside it, and a reader whose whole read fell between two
 * saves must have read exactly that list too.
 *
 * A save may fail while the readers keep the file busy (Wine cannot replace
 * a file that is open); such a save must leave the old file whole.  The
 * readers are then asked to stand still, and once both have said they do,
 * the same save is made again and must go through: nothing in the test
 * depends on how busy the machine is.  Anything else fails the test: a save
 * reported as done that the next reader does not see, a change refused
 * because the command read an older list, a torn, empty or stale read.
 *
 * The test run makes 40 saves through pdr-labels processes.  A long run by
 * hand: PDR_SAVE_COMMANDS=<n> for n saves, PDR_SAVE_WRITER=store to make
 * them in this process through SaveLabelCatalogue; the figures are printed
 * (tools/saves-long-run.sh).
 */
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "child_test_process.h"
#include "file_bytes.h"
#include "label_fixtures.h"
#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "tool_process.h"

namespace {

const wchar_t ReaderVariable[] = L"PDR_SAVES_READER_PROCESS";
const wchar_t ProgressName[] = L"Local\\PdrSavesUnderReadersProgress";
const wchar_t ReadyEventName[] = L"Local\\PdrSavesUnderReadersReady";
const wchar_t StopEventName[] = L"Local\\PdrSavesUnderReadersStop";

constexpr int BaseCount = 100;
constexpr int BoundedSaves = 40;
constexpr LONG ReaderCount = 2;
/* A long run that has gone this wrong stops. */
constexpr int MaxProblems = 200;

/* The two catalogues the saves alternate: the stock list, and the stock
 * list with "Extra" as pdr-labels adds it (the next id, inches, no offsets). */
LabelList StockList(bool withExtra)
{
    LabelList list = {};
    char name[LabelNameSize];
    for (int i = 0; i < BaseCount; ++i) {
        snprintf(name, sizeof name, "Stock %03d", i + 1);
        list.Labels[i] = MakeLabel(name, "4.00", "6.00", Inches, FirstLabelId + i);
    }
    list.Count = BaseCount;
    if (withExtra)
        list.Labels[list.Count++] = MakeLabel("Extra", "4", "6", Inches, FirstLabelId + BaseCount);
    return list;
}

/* Save n (from 1) adds "Extra" when n is odd and removes it when even. */
bool HasExtraAfter(LONG64 saves)
{
    return saves % 2 == 1;
}

std::string Rendered(const LabelList& list)
{
    char* text = RenderLabelCatalogue(list.Labels, list.Count);
    std::string result = text != nullptr ? text : "<null>";
    ReleaseLabelCatalogueText(text);
    return result;
}

std::string RenderedAfter(LONG64 saves)
{
    return Rendered(StockList(HasExtraAfter(saves)));
}

/*
 * What the writer has done, shared with the readers: twice the number of
 * saves finished, plus one while a save is under way.  A reader that sees
 * the same even value before and after its read read while no save ran.
 * While `hold` is set the readers stand still, each counted in `holding`.
 */
struct SharedProgress {
    volatile LONG64 value;
    volatile LONG hold;
    volatile LONG holding;
};

LONG64 ReadProgress(const SharedProgress* shared)
{
    return InterlockedCompareExchange64(const_cast<volatile LONG64*>(&shared->value), 0, 0);
}

void SetProgress(SharedProgress* shared, LONG64 value)
{
    InterlockedExchange64(&shared->value, value);
}

/* A reader's step between two reads: stand still while asked to. */
void StandStillWhileHeld(SharedProgress* shared)
{
    if (InterlockedCompareExchange(&shared->hold, 0, 0) == 0)
        return;
    InterlockedIncrement(&shared->holding);
    while (InterlockedCompareExchange(&shared->hold, 0, 0) != 0)
        Sleep(1);
    InterlockedDecrement(&shared->holding);
}

struct ReaderTally {
    std::atomic<long> reads{0};
    std::atomic<long> wrong{0}; /* neither list: torn, empty or unreadable */
    std::atomic<long> stale{0}; /* the other list, read while no save ran */
};

bool SameLabels(const LabelEntry* seen, const LabelList& expected)
{
    for (int i = 0; i < expected.Count; ++i) {
        const LabelEntry& a = seen[i];
        const LabelEntry& b = expected.Labels[i];
        if (strcmp(a.name, b.name) != 0 || strcmp(a.width, b.width) != 0 || strcmp(a.length, b.length) != 0 ||
            strcmp(a.horzOffset, b.horzOffset) != 0 || strcmp(a.vertOffset, b.vertOffset) != 0 ||
            a.units != b.units || a.id != b.id)
            return false;
    }
    return true;
}

/* One load as the driver makes it, judged against the writer's progress. */
void ReadOnce(SharedProgress* shared, LabelEntry* seen, ReaderTally* tally)
{
    StandStillWhileHeld(shared);
    const LONG64 before = ReadProgress(shared);
    const int count = LoadLabelCatalogue(seen, MaxLabels, nullptr);
    const LONG64 after = ReadProgress(shared);
    ++tally->reads;
    const bool withExtra = count == BaseCount + 1;
    if ((count != BaseCount && !withExtra) || !SameLabels(seen, StockList(withExtra)))
        ++tally->wrong;
    else if (before == after && before % 2 == 0 && HasExtraAfter(before / 2) != withExtra)
        ++tally->stale;
}

class SharedMemory {
public:
    bool Create()
    {
        mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedProgress),
                                     ProgressName);
        return Map();
    }
    bool Open()
    {
        mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, ProgressName);
        return Map();
    }
    ~SharedMemory()
    {
        if (view != nullptr)
            UnmapViewOfFile(view);
        if (mapping != nullptr)
            CloseHandle(mapping);
    }
    SharedProgress* Progress() const
    {
        return view;
    }

private:
    bool Map()
    {
        if (mapping == nullptr)
            return false;
        view = static_cast<SharedProgress*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
        return view != nullptr;
    }
    HANDLE mapping = nullptr;
    SharedProgress* view = nullptr;
};

/* This program again, running only the reader below until told to stop. */
class ReaderProcess : public ChildTestProcess {
public:
    ReaderProcess()
        : ChildTestProcess(L"SavesUnderReaders.ReadsInAnotherProcess", ReaderVariable, ReadyEventName,
                           StopEventName)
    {}
};

int EnvironmentNumber(const char* name, int fallback)
{
    char text[32] = "";
    GetEnvironmentVariableA(name, text, sizeof text);
    return atoi(text) > 0 ? atoi(text) : fallback;
}

bool WritesInThisProcess()
{
    char text[16] = "";
    GetEnvironmentVariableA("PDR_SAVE_WRITER", text, sizeof text);
    return strcmp(text, "store") == 0;
}

/* The file's bytes as the driver's readers open it. */
std::string CatalogueBytes(const std::wstring& path)
{
    std::string bytes;
    FILE* file = OpenLabelCatalogueFile(path.c_str());
    if (file == nullptr)
        return "<unreadable>";
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    fclose(file);
    return bytes;
}

/* Files a save makes beside the catalogue (its name, then ".*.tmp"); the
 * memory of what the driver package gave stays there and is not counted. */
int FilesBeside(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        if (_wcsicmp(found.cFileName, path.substr(path.find_last_of(L'\\') + 1).c_str()) != 0)
            ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

/* How one save went, as its maker reported it. */
struct SaveReport {
    bool done = false;  /* reported success */
    bool busy = false;  /* reported failure to write the file, which a busy file allows */
    std::string detail; /* what it printed or the error */
};

SaveReport SaveNumber(LONG64 n, bool inThisProcess)
{
    SaveReport report;
    if (inThisProcess) {
        const LabelList list = StockList(HasExtraAfter(n));
        report.done = SaveLabelCatalogue(list.Labels, list.Count, nullptr);
        report.busy = !report.done;
        report.detail = "error " + std::to_string(GetLastError());
        return report;
    }
    const bool add = HasExtraAfter(n);
    ToolResult result = add ? RunLabelsToolProcess({L"add", L"Extra", L"4", L"6"})
                            : RunLabelsToolProcess({L"remove", L"Extra"});
    /* A Wine process that dies without ending itself reports 0 too, so a
     * save counts as done only with the line pdr-labels prints after it. */
    const char* line = add ? "added \"Extra\"" : "removed \"Extra\"";
    report.done = result.started && result.exitCode == 0 && result.out.find(line) != std::string::npos;
    report.busy = result.started && result.exitCode == 3;
    report.detail = !result.started
                        ? "pdr-labels did not start"
                        : "exit " + std::to_string(result.exitCode) + ": " + result.out + result.err;
    return report;
}

/* What went wrong on the writer's side, with the first case told. */
struct WriterTally {
    long saves = 0;
    long retried = 0; /* failed while the file was busy and left it whole */
    long unseen = 0;  /* reported done, yet the next read found the old list */
    long lost = 0;    /* of those, still not in the file a moment later */
    long other = 0;   /* refused or broken: a stale read, a changed file after a failure, a file left */
    std::string first;

    long Problems() const
    {
        return unseen + other;
    }

    void Note(std::string what)
    {
        if (first.empty())
            first = what;
        if (Problems() <= 20)
            printf("%s\n", what.c_str());
    }
};

/* Both readers standing still between two reads, for as long as this lives;
 * it waits for them without a time limit (a reader process that has ended
 * stands still too, and fails the test by its exit code). */
class ReadersHeld {
public:
    ReadersHeld(SharedProgress* shared, const ReaderProcess& other) : shared_(shared)
    {
        InterlockedExchange(&shared_->hold, 1);
        while (InterlockedCompareExchange(&shared_->holding, 0, 0) < ReaderCount - (other.HasEnded() ? 1 : 0))
            Sleep(1);
    }
    ~ReadersHeld()
    {
        InterlockedExchange(&shared_->hold, 0);
    }

private:
    SharedProgress* shared_;
};

/* After a problem, the file is made what save n should have left. */
void PutBack(LONG64 n)
{
    const LabelList list = StockList(HasExtraAfter(n));
    SaveLabelCatalogue(list.Labels, list.Count, nullptr);
}

/*
 * Makes save n and checks the file after it.  A save that failed on a busy
 * file is made once more with the readers standing still, and must then go
 * through.  False when something went wrong; the file is then put right for
 * the next save.
 */
bool MakeSave(LONG64 n, bool inThisProcess, const std::wstring& path, SharedProgress* shared,
              const ReaderProcess& other, WriterTally* tally)
{
    const std::string label = "save " + std::to_string(n);
    std::unique_ptr<ReadersHeld> held;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const SaveReport report = SaveNumber(n, inThisProcess);
        const std::string seen = CatalogueBytes(path);
        const std::string expected = RenderedAfter(report.done ? n : n - 1);
        if (seen != expected) {
            if (!report.done) {
                ++tally->other;
                tally->Note(label + " reported failure (" + report.detail + ") but changed the file");
            } else {
                ++tally->unseen;
                Sleep(200);
                const bool lost = CatalogueBytes(path) != expected;
                tally->lost += lost ? 1 : 0;
                tally->Note(label + " reported done; the next read found " +
                            (seen == RenderedAfter(n - 1) ? "the list before it" : "neither list") +
                            (lost ? ", and again 200 ms later" : "") + " (" + report.detail + ")");
            }
        } else if (FilesBeside(path) != 0) {
            ++tally->other;
            tally->Note(label + " left a file beside the catalogue");
        } else if (report.done) {
            return true;
        } else if (report.busy && held == nullptr) {
            ++tally->retried;
            held.reset(new ReadersHeld(shared, other));
            continue;
        } else {
            ++tally->other;
            tally->Note(label +
                        (held != nullptr ? " failed with the readers standing still: " : " refused: ") +
                        report.detail);
        }
        if (held == nullptr)
            held.reset(new ReadersHeld(shared, other));
        PutBack(n);
        return false;
    }
    return false;
}

TEST(SavesUnderReaders, EverySaveIsWhatTheNextReaderSees)
{
    const int saves = EnvironmentNumber("PDR_SAVE_COMMANDS", BoundedSaves);
    const bool inThisProcess = WritesInThisProcess();
    DefaultCatalogueGuard guard;
    const LabelList stock = StockList(false);
    ASSERT_TRUE(SaveLabelCatalogue(stock.Labels, stock.Count, nullptr));
    SharedMemory shared;
    ASSERT_TRUE(shared.Create());
    SetProgress(shared.Progress(), 0);
    InterlockedExchange(&shared.Progress()->hold, 0);
    InterlockedExchange(&shared.Progress()->holding, 0);
    ReaderProcess other;
    ASSERT_TRUE(other.Start());

    ReaderTally tally;
    std::atomic<bool> stop(false);
    std::thread reader([&] {
        static LabelEntry seen[MaxLabels];
        while (!stop.load())
            ReadOnce(shared.Progress(), seen, &tally);
    });
    WriterTally writer;
    const ULONGLONG start = GetTickCount64();
    for (LONG64 n = 1; n <= saves && writer.Problems() < MaxProblems; ++n) {
        SetProgress(shared.Progress(), 2 * n - 1);
        MakeSave(n, inThisProcess, guard.Path(), shared.Progress(), other, &writer);
        ++writer.saves;
        SetProgress(shared.Progress(), 2 * n);
        if (saves > BoundedSaves && n % 1000 == 0)
            printf("%lld saves after %llu s\n", static_cast<long long>(n), (GetTickCount64() - start) / 1000);
    }
    const ULONGLONG took = GetTickCount64() - start;
    stop = true;
    reader.join();
    const DWORD otherResult = other.Finish();
    printf("%ld saves (%s) in %llu s, %ld made again with the readers still after failing on a busy file: "
           "%ld reported done but not what the next "
           "reader saw (%ld still not after 200 ms), %ld other problems; this process's reader: %ld reads, "
           "%ld wrong, %ld stale; other process %s\n",
           writer.saves, inThisProcess ? "SaveLabelCatalogue" : "pdr-labels", took / 1000, writer.retried,
           writer.unseen, writer.lost, writer.other, tally.reads.load(), tally.wrong.load(),
           tally.stale.load(), otherResult == 0 ? "clean" : "saw wrong or stale lists");
    EXPECT_EQ(writer.Problems(), 0) << writer.first;
    EXPECT_EQ(tally.wrong.load(), 0);
    EXPECT_EQ(tally.stale.load(), 0);
    EXPECT_EQ(otherResult, 0u);
}

/* The second process's part: reads until the first says stop. */
TEST(SavesUnderReaders, ReadsInAnotherProcess)
{
    if (GetEnvironmentVariableW(ReaderVariable, nullptr, 0) == 0)
        GTEST_SKIP() << "runs as the reader process of the test above";
    SharedMemory shared;
    ASSERT_TRUE(shared.Open());
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, ReadyEventName);
    HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, StopEventName);
    ASSERT_TRUE(ready != nullptr && stop != nullptr);
    static LabelEntry seen[MaxLabels];
    ReaderTally tally;
    SetEvent(ready);
    while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT)
        ReadOnce(shared.Progress(), seen, &tally);
    printf("other process's reader: %ld reads, %ld wrong, %ld stale\n", tally.reads.load(),
           tally.wrong.load(), tally.stale.load());
    EXPECT_EQ(tally.wrong.load(), 0);
    EXPECT_EQ(tally.stale.load(), 0);
    CloseHandle(ready);
    CloseHandle(stop);
}

}  // namespace
