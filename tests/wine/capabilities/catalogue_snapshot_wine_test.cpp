/* The catalogue each thread keeps between calls, seen through the export:
 * a fill never outgrows the count before it, and every change of the file
 * reaches the next call. */
#include <stdio.h>

#include <thread>

#include "capabilities_test_support.h"
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

    std::wstring FirstPaperName()
    {
        ListBuffer names(DC_PAPERNAMES, Listed(MaxLabels));
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
        // That count is spent: the next call reads the file as it is.
        EXPECT_EQ(Capability(list, nullptr), Listed(MaxLabels)) << list;
    }
}

/* Applications count every list first and fill them afterwards. */
TEST_F(CatalogueSnapshots, EachListFillsFromItsOwnCount)
{
    PlaceCatalogue(StockText(5));
    ASSERT_EQ(Capability(DC_PAPERS, nullptr), Listed(5));
    ASSERT_EQ(Capability(DC_PAPERNAMES, nullptr), Listed(5));
    PlaceCatalogue(StockText(MaxLabels));
    ListBuffer names(DC_PAPERNAMES, Listed(5)), papers(DC_PAPERS, Listed(5));
    EXPECT_EQ(Capability(DC_PAPERNAMES, names.bytes.data()), Listed(5));
    EXPECT_EQ(Capability(DC_PAPERS, papers.bytes.data()), Listed(5));
    EXPECT_TRUE(names.GuardIntact());
    EXPECT_TRUE(papers.GuardIntact());
    // A fill with no count before it answers from the file.
    ListBuffer sizes(DC_PAPERSIZE, Listed(MaxLabels));
    EXPECT_EQ(Capability(DC_PAPERSIZE, sizes.bytes.data()), Listed(MaxLabels));
}

/* Counted on one list, named through another, so no fill follows a count
 * of its own list. */
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
