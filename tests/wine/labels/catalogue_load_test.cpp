/*
 * The catalogue under load: readers answering through the DLL's exports in
 * a tight loop, on threads of this process and in a second process, while
 * saves replace the file again and again.  Every save must go through, and
 * no reader may ever answer an empty or torn list, hold a job for a label
 * the file always holds, or fall back to "Default" for it.
 *
 * PDR_STRESS_SECONDS=<n> turns the bounded run into a measurement by hand:
 * eight reader threads and saves for n seconds, with the figures printed.
 */
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "child_test_process.h"
#include "file_bytes.h"
#include "labels/label_catalogue.h"
#include "settings/devmode_ops.h"
#include "sheet_context/driver_ui_contract.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

typedef DWORD(WINAPI* CapabilitiesFunction)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
typedef BOOL(WINAPI* QueryPrintFunction)(PDEVQUERYPRINT_INFO);

const wchar_t ChildVariable[] = L"PDR_CATALOGUE_READER_CHILD";
const wchar_t StopEventName[] = L"Local\\PdrCatalogueLoadStop";
const wchar_t ReadyEventName[] = L"Local\\PdrCatalogueLoadReady";

/* Label 300 "Stock 300" is first in both lists the saves alternate. */
const int SmallCount = 3;
const int LargeCount = 5;
const short KeptLabelId = 300;
const char KeptLabelName[] = "Stock 300";

void MakeCatalogue(LabelEntry* entries, int count)
{
    for (int i = 0; i < count; ++i) {
        memset(&entries[i], 0, sizeof entries[i]);
        snprintf(entries[i].name, sizeof entries[i].name, "Stock %d", KeptLabelId + i);
        strcpy(entries[i].width, "4.00");
        strcpy(entries[i].length, i == 0 ? "6.00" : "3.00");
        strcpy(entries[i].horzOffset, "0");
        strcpy(entries[i].vertOffset, "0");
        entries[i].units = Inches;
        entries[i].id = KeptLabelId + i;
    }
}

struct Tally {
    std::atomic<long> answers{0};
    std::atomic<long> wrongLists{0};
    std::atomic<long> heldJobs{0};
    std::atomic<long> fallbacks{0};

    long Anomalies() const
    {
        return wrongLists + heldJobs + fallbacks;
    }
};

/* One reader: the four questions the spooler and applications ask most,
 * in turn, through the exports. */
class Reader {
public:
    explicit Reader(HMODULE library)
        : capabilities(DriverExport<CapabilitiesFunction>(library, "DrvDeviceCapabilities")),
          queryPrint(DriverExport<QueryPrintFunction>(library, "DevQueryPrintEx")),
          document(DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets"))
    {
        BuildDefaultDevMode(&job, u"PDR-7300 Zr");
        job.Public.dmPaperSize = KeptLabelId;
    }

    bool Ready() const
    {
        return capabilities && queryPrint && document;
    }

    /* Asks question `turn % 4` once; false when the answer was wrong. */
    bool Ask(int turn, Tally* tally)
    {
        ++tally->answers;
        switch (turn % 4) {
        case 0:
            return CheckList(DC_PAPERS, tally);
        case 1:
            return CheckList(DC_PAPERNAMES, tally);
        case 2:
            return CheckJob(tally);
        default:
            return CheckFormName(tally);
        }
    }

private:
    bool CheckList(WORD index, Tally* tally)
    {
        // Asked with the job's record, which names a label, the lists are the
        // catalogue's labels alone.
        DWORD count = capabilities(nullptr, const_cast<PWSTR>(DemoPrinterName), index, buffer,
                                   reinterpret_cast<DEVMODEW*>(&job));
        bool right = count == SmallCount || count == LargeCount;
        if (right && index == DC_PAPERS) {
            const WORD* ids = reinterpret_cast<const WORD*>(buffer);
            for (DWORD i = 0; i < count; ++i)
                right = right && ids[i] == KeptLabelId + i;
        } else if (right) {
            right = wcscmp(reinterpret_cast<const wchar_t*>(buffer), L"Stock 300") == 0;
        }
        if (!right)
            ++tally->wrongLists;
        return right;
    }

    bool CheckJob(Tally* tally)
    {
        DEVQUERYPRINT_INFO info;
        memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        info.Level = 1;
        info.pDevMode = reinterpret_cast<DEVMODEW*>(&job);
        bool accepted = queryPrint(&info) == TRUE;
        if (!accepted)
            ++tally->heldJobs;
        return accepted;
    }

    bool CheckFormName(Tally* tally)
    {
        DriverDevMode out;
        DOCUMENTPROPERTYHEADER header = DocumentHeader(nullptr, reinterpret_cast<DEVMODEW*>(&job),
                                                       reinterpret_cast<DEVMODEW*>(&out), DM_COPY);
        bool named = document(nullptr, reinterpret_cast<LPARAM>(&header)) == 1 &&
                     memcmp(out.Public.dmFormName, u"Stock 300", sizeof u"Stock 300") == 0;
        if (!named)
            ++tally->fallbacks;
        return named;
    }

    CapabilitiesFunction capabilities;
    QueryPrintFunction queryPrint;
    PFNPROPSHEETUI document;
    DriverDevMode job;
    unsigned char buffer[MaxLabels * 64 * sizeof(wchar_t)];
};

void ReadUntil(HMODULE library, const std::atomic<bool>& stop, Tally* tally)
{
    Reader reader(library);
    for (int turn = 0; !stop; ++turn)
        reader.Ask(turn, tally);
}

/* A second process running this program's reader test until told to stop. */
class ReaderProcess : public ChildTestProcess {
public:
    ReaderProcess()
        : ChildTestProcess(L"CatalogueUnderLoad.ReadsInAnotherProcess", ChildVariable, ReadyEventName,
                           StopEventName)
    {}
};

class CatalogueUnderLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = LoadDriverLibrary();
        ASSERT_NE(nullptr, library);
        MakeCatalogue(small, SmallCount);
        MakeCatalogue(large, LargeCount);
    }
    void TearDown() override
    {
        FreeLibrary(library);
    }

    HMODULE library = nullptr;
    LabelEntry small[SmallCount];
    LabelEntry large[LargeCount];
};

TEST_F(CatalogueUnderLoad, SavesGoThroughAndReadersNeverSeeAGap)
{
    char seconds[16] = "";
    GetEnvironmentVariableA("PDR_STRESS_SECONDS", seconds, sizeof seconds);
    const int measureSeconds = atoi(seconds);
    const int threads = measureSeconds > 0 ? 8 : 4;
    const int boundedSaves = 100;

    DefaultCatalogueGuard guard;
    ASSERT_TRUE(SaveLabelCatalogue(small, SmallCount, nullptr));
    ReaderProcess other;
    ASSERT_TRUE(other.Start());

    Tally tally;
    std::atomic<bool> stop{false};
    std::vector<std::thread> readers;
    for (int i = 0; i < threads; ++i)
        readers.emplace_back(ReadUntil, library, std::cref(stop), &tally);

    long saves = 0, refused = 0;
    ULONGLONG longestSave = 0;
    DWORD lastError = 0;
    const ULONGLONG end = GetTickCount64() + 1000ull * measureSeconds;
    for (int i = 0; measureSeconds > 0 ? GetTickCount64() < end : i < boundedSaves; ++i) {
        bool large_ = i % 2 == 0;
        ++saves;
        const ULONGLONG started = GetTickCount64();
        if (!SaveLabelCatalogue(large_ ? large : small, large_ ? LargeCount : SmallCount, nullptr)) {
            ++refused;
            lastError = GetLastError();
        }
        const ULONGLONG took = GetTickCount64() - started;
        longestSave = took > longestSave ? took : longestSave;
    }
    stop = true;
    for (std::thread& reader : readers)
        reader.join();
    const DWORD otherResult = other.Finish();

    printf("saves %ld (longest %llu ms), refused %ld (last error %lu); %ld answers in this process: "
           "%ld wrong lists, %ld held jobs, %ld \"Default\" fallbacks; other process %s\n",
           saves, longestSave, refused, lastError, tally.answers.load(), tally.wrongLists.load(),
           tally.heldJobs.load(), tally.fallbacks.load(), otherResult == 0 ? "clean" : "saw wrong answers");
    EXPECT_EQ(0, refused);
    EXPECT_EQ(0, tally.Anomalies());
    EXPECT_EQ(0u, otherResult);
    EXPECT_GT(tally.answers.load(), saves);
}

/* The second process's part: reads until the first process says stop. */
TEST_F(CatalogueUnderLoad, ReadsInAnotherProcess)
{
    if (GetEnvironmentVariableW(ChildVariable, nullptr, 0) == 0)
        GTEST_SKIP() << "runs as the reader process of the load test";
    HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, StopEventName);
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, ReadyEventName);
    ASSERT_TRUE(stop != nullptr && ready != nullptr);
    Reader reader(library);
    ASSERT_TRUE(reader.Ready());
    Tally tally;
    for (int turn = 0; turn < 4; ++turn)
        reader.Ask(turn, &tally);
    SetEvent(ready);
    for (int turn = 0; WaitForSingleObject(stop, 0) == WAIT_TIMEOUT; ++turn)
        reader.Ask(turn, &tally);
    printf("other process: %ld answers: %ld wrong lists, %ld held jobs, %ld \"Default\" fallbacks\n",
           tally.answers.load(), tally.wrongLists.load(), tally.heldJobs.load(), tally.fallbacks.load());
    EXPECT_EQ(0, tally.Anomalies());
    CloseHandle(stop);
    CloseHandle(ready);
}

}  // namespace
