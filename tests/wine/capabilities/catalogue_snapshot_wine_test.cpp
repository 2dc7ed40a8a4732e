/* The catalogue each thread keeps between calls and the paper lists' memory
 * of counts, seen through the export: a fill never outgrows the count it
 * may belong to, and every change of the file reaches the next count. */
#include <stdio.h>

#include <thread>

#include "capabilities_test_support.h"
#include "colliding_catalogues.h"
#include "label_fixtures.h"
#include "labels/catalogue_json.h"

namespace {

const WORD CountedLists[] = {DC_PAPERS, DC_PAPERSIZE, DC_PAPERNAMES};

/* Entries of a list asked without a record for a catalogue of `labels`:
 * the printer's default record names its own paper (256), which ends every
 * list after the labels. */
DWORD Listed(int labels)
{
    return static_cast<DWORD>(labels) + 1;
}

size_t EntryBytes(WORD list)
{
    return list == DC_PAPERS ? 2 : list == DC_PAPERSIZE ? 8 : 64 * sizeof(wchar_t);
}

/* `count` labels named "<prefix> 001" on, as a save writes them. */
std::string StockText(int count, const char* prefix = "Stock")
{
    std::vector<LabelEntry> labels;
    for (int i = 0; i < count; ++i) {
        char name[LabelNameSize];
        snprintf(name, sizeof name, "%s %03d", prefix, i + 1);
        labels.push_back(MakeLabel(name, "4.00", "6.00", Inches, FirstLabelId + i));
    }
    char* text = RenderLabelCatalogue(labels.data(), count);
    std::string rendered = text != nullptr ? text : "";
    ReleaseLabelCatalogueText(text);
    return rendered;
}

/* Room for exactly `entries` of `list`, then guard bytes. */
struct ListBuffer {
    ListBuffer(WORD list, size_t entries) : size(entries * EntryBytes(list)), bytes(size + 256, 0xA5) {}
    bool GuardIntact() const
    {
        for (size_t i = size; i < bytes.size(); ++i)
            if (bytes[i] != 0xA5)
                return false;
        return true;
    }
    std::wstring FirstName() const
    {
        return reinterpret_cast<const wchar_t*>(bytes.data());
    }
    size_t size;
    std::vector<uint8_t> bytes;
};

class CatalogueSnapshots : public CatalogueAtDefaultPath {
protected:
    /* Each rewrite keeps the file's size and gets this one last-write time,
     * far ahead: to the driver they all fall within one tick of the file
     * system's clock, however long the test takes. */
    void RewriteInOneTick(const std::string& text)
    {
        PlaceCatalogue(text);
        HANDLE file = CreateFileW(DefaultCataloguePath().c_str(), FILE_WRITE_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const FILETIME tick = {0, 0x02000000}; /* in the 2050s */
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &tick));
        CloseHandle(file);
    }

    /* Counted and filled, as a caller asks for the names. */
    std::wstring FirstPaperName()
    {
        ListBuffer names(DC_PAPERNAMES, Capability(DC_PAPERNAMES, nullptr));
        return Capability(DC_PAPERNAMES, names.bytes.data()) > 0 ? names.FirstName() : L"";
    }
};

TEST_F(CatalogueSnapshots, FillAfterACountWritesNoMoreThanTheCount)
{
    for (WORD list : CountedLists) {
        PlaceCatalogue(StockText(5));
        const DWORD count = Capability(list, nullptr);
        ASSERT_EQ(count, Listed(5)) << list;
        PlaceCatalogue(StockText(MaxLabels));
        ListBuffer buffer(list, count);
        EXPECT_EQ(Capability(list, buffer.bytes.data()), count) << list;
        EXPECT_TRUE(buffer.GuardIntact()) << list;
        // The next count reads the file as it is.
        EXPECT_EQ(Capability(list, nullptr), Listed(MaxLabels)) << list;
    }
}

/* Applications count every list first and fill them afterwards; the three
 * lists are one, so a list filled without a count of its own answers from
 * the same count. */
TEST_F(CatalogueSnapshots, TheThreeListsAnswerAsOne)
{
    PlaceCatalogue(StockText(5));
    ASSERT_EQ(Capability(DC_PAPERS, nullptr), Listed(5));
    ASSERT_EQ(Capability(DC_PAPERNAMES, nullptr), Listed(5));
    PlaceCatalogue(StockText(MaxLabels));
    ListBuffer names(DC_PAPERNAMES, Listed(5)), papers(DC_PAPERS, Listed(5)), sizes(DC_PAPERSIZE, Listed(5));
    EXPECT_EQ(Capability(DC_PAPERNAMES, names.bytes.data()), Listed(5));
    EXPECT_EQ(Capability(DC_PAPERS, papers.bytes.data()), Listed(5));
    EXPECT_EQ(Capability(DC_PAPERSIZE, sizes.bytes.data()), Listed(5));
    EXPECT_TRUE(names.GuardIntact());
    EXPECT_TRUE(papers.GuardIntact());
    EXPECT_TRUE(sizes.GuardIntact());
}

/* Real callers' orders, each with a save that grows the catalogue between
 * the count and the fills: every buffer sized from the count the caller was
 * given stays within its bounds. */
TEST_F(CatalogueSnapshots, FillsOfRealCallersStayWithinTheirCount)
{
    auto fillAll = [this](DWORD count) {
        for (WORD list : CountedLists) {
            ListBuffer buffer(list, count);
            EXPECT_LE(Capability(list, buffer.bytes.data()), count) << list;
            EXPECT_TRUE(buffer.GuardIntact()) << list;
        }
    };
    SCOPED_TRACE("one count of the names, then all three lists filled (.NET's paper sizes)");
    PlaceCatalogue(StockText(5));
    DWORD count = Capability(DC_PAPERNAMES, nullptr);
    ASSERT_EQ(count, Listed(5));
    PlaceCatalogue(StockText(MaxLabels));
    fillAll(count);

    SCOPED_TRACE("the same after a count of another list that no fill followed");
    ASSERT_EQ(Capability(DC_PAPERSIZE, nullptr), Listed(MaxLabels));
    PlaceCatalogue(StockText(5));
    count = Capability(DC_PAPERNAMES, nullptr);
    ASSERT_EQ(count, Listed(5));
    PlaceCatalogue(StockText(MaxLabels));
    fillAll(count);

    SCOPED_TRACE("counted on one thread, filled on another");
    PlaceCatalogue(StockText(5));
    std::thread([&] { count = Capability(DC_PAPERNAMES, nullptr); }).join();
    ASSERT_EQ(count, Listed(5));
    PlaceCatalogue(StockText(MaxLabels));
    std::thread([&] { fillAll(count); }).join();
}

/* Counted on one list, named through another. */
TEST_F(CatalogueSnapshots, EveryChangeReachesTheNextCall)
{
    EXPECT_EQ(Capability(DC_PAPERS, nullptr), Listed(3));
    EXPECT_EQ(Capability(DC_PAPERS, nullptr), Listed(3));

    const LabelEntry saved[2] = {MakeLabel("Saved one", "2", "3", Inches, 400),
                                 MakeLabel("Saved two", "2", "3", Inches, 401)};
    ASSERT_TRUE(SaveLabelCatalogue(saved, 2, nullptr));
    EXPECT_EQ(FirstPaperName(), L"Saved one");

    ASSERT_NO_FATAL_FAILURE(RewriteInOneTick(StockText(4, "Alpha")));
    EXPECT_EQ(FirstPaperName(), L"Alpha 001");
    ASSERT_NO_FATAL_FAILURE(RewriteInOneTick(StockText(4, "Omega")));
    EXPECT_EQ(FirstPaperName(), L"Omega 001");

    RemoveCatalogue();
    EXPECT_EQ(Capability(DC_PAPERS, nullptr), Listed(0));
    PlaceCatalogue(StockText(7));
    EXPECT_EQ(Capability(DC_PAPERS, nullptr), Listed(7));
    EXPECT_EQ(FirstPaperName(), L"Stock 001");
}

/* A rewrite that a digest of the bytes would take for the text read before
 * reaches the same thread at once. */
TEST_F(CatalogueSnapshots, AnEditADigestCannotTellIsSeen)
{
    auto sizes = [this] {
        const DWORD count = Capability(DC_PAPERSIZE, nullptr);
        std::vector<POINT> listed(count);
        EXPECT_EQ(Capability(DC_PAPERSIZE, listed.data()), count);
        return listed;
    };
    const std::string before = CollidingCatalogueText(false);
    ASSERT_FALSE(before.empty());
    PlaceCatalogue(before);
    std::vector<POINT> seen = sizes();
    ASSERT_EQ(seen.size(), Listed(3));
    EXPECT_EQ(seen[0].y, CollidingStockLength[0]);
    PlaceCatalogue(CollidingCatalogueText(true));
    seen = sizes();
    ASSERT_EQ(seen.size(), Listed(3));
    EXPECT_EQ(seen[0].y, CollidingStockLength[1]);
    EXPECT_EQ(seen[2].x, CollidingVialWidth[1]);
}

/* Threads that come and go, and the module unloaded and loaded again under
 * a thread that keeps calling: each thread's snapshots go with it or with
 * the module, and nothing of an unloaded module is touched again. */
TEST_F(CatalogueSnapshots, ThreadsAndTheModuleComeAndGo)
{
    PlaceCatalogue(StockText(9));
    FreeLibrary(library);
    library = nullptr;
    for (int cycle = 0; cycle < 20; ++cycle) {
        HMODULE module = LoadDriverLibrary();
        ASSERT_NE(module, nullptr);
        deviceCapabilities = DriverExport<DeviceCapabilitiesFunction>(module, "DrvDeviceCapabilities");
        EXPECT_EQ(Capability(DC_PAPERNAMES, nullptr), Listed(9));
        std::vector<std::thread> threads;
        for (int i = 0; i < 8; ++i)
            threads.emplace_back([this] {
                ListBuffer names(DC_PAPERNAMES, Listed(9));
                EXPECT_EQ(Capability(DC_PAPERNAMES, nullptr), Listed(9));
                EXPECT_EQ(Capability(DC_PAPERNAMES, names.bytes.data()), Listed(9));
                EXPECT_TRUE(names.GuardIntact());
            });
        for (std::thread& thread : threads)
            thread.join();
        FreeLibrary(module);
    }
}

}  // namespace
