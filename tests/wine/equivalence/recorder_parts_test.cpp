/* The recorder's own parts: what it writes must mean what it says, and it
 * must leave the machine as it found it. */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string.h>

#include "control_dump.h"
#include "file_bytes.h"
#include "input_records.h"
#include "machine_state.h"
#include "observation_log.h"

namespace {

std::string Written(const std::vector<uint8_t>& first, const std::vector<uint8_t>& second)
{
    return WrittenBytes({first.data(), 0xC5}, {second.data(), 0x3A}, first.size());
}

TEST(WrittenBytes, TellsUntouchedBytesFromBytesWrittenWithTheGuardsValue)
{
    EXPECT_EQ("none", Written({0xC5, 0xC5}, {0x3A, 0x3A}));
    // Byte 0 written as C5 in both runs, byte 1 untouched, byte 2 written.
    EXPECT_EQ("c5--07", Written({0xC5, 0xC5, 0x07, 0xC5}, {0xC5, 0x3A, 0x07, 0x3A}));
    // A call that wrote something else into each filling is shown, not hidden.
    EXPECT_EQ("[01/02]", Written({0x01}, {0x02}));
}

TEST(Quoted, KeepsRecordsPlainAsciiAndUnambiguous)
{
    EXPECT_EQ("\"Caf\\u00e9 \\\"x\\\" \\\\ \\n\\r\\t\\u0001\"", Quoted(L"Caf\u00e9 \"x\" \\ \n\r\t\x01"));
    EXPECT_EQ("\"\"", Quoted(L""));
}

TEST(ObservationLog, PrefixesEachLineWithTheScopesOpenAtTheTime)
{
    ObservationLog log;
    {
        ObservationLog::Scope outer(log, "a");
        log.Add("one");
        ObservationLog::Scope inner(log, "b");
        log.Add("two");
    }
    log.Add("three");
    EXPECT_EQ("a one\na b two\nthree\n", log.Text());
    EXPECT_EQ(3u, log.Count());
}

TEST(Inputs, NamesAreUniqueAndHostileRecordsRepeatFromTheirSeed)
{
    std::vector<CallerInput> inputs = NamedInputs();
    const std::vector<CallerInput> hostile = HostileInputs(40);
    EXPECT_EQ(HostileInputs(40)[39].Bytes, hostile[39].Bytes);
    EXPECT_EQ(HostileInputs(10)[9].Bytes, hostile[9].Bytes);
    inputs.insert(inputs.end(), hostile.begin(), hostile.end());
    std::set<std::string> names;
    for (const CallerInput& input : inputs)
        EXPECT_TRUE(names.insert(input.Name).second) << input.Name;
    EXPECT_FALSE(inputs.front().Present);
}

TEST(Inputs, OldLayoutsKeepThePrivatePartBehindTheirOwnPublicPart)
{
    for (const CallerInput& input : NamedInputs()) {
        if (input.Name != "layout-188-112-0350")
            continue;
        ASSERT_EQ(300u, input.Bytes.size());
        const auto* record = reinterpret_cast<const PublicDevMode*>(input.Bytes.data());
        EXPECT_EQ(188, record->dmSize);
        EXPECT_EQ(112, record->dmDriverExtra);
        EXPECT_EQ(0x0350, record->dmDriverVersion);
        EXPECT_EQ(0x0320, record->dmSpecVersion);
        uint32_t signature = 0;
        memcpy(&signature, input.Bytes.data() + 188, 4);
        EXPECT_EQ(DriverSignature, signature);
        EXPECT_EQ(300u, OutputSizeFor(input));
        return;
    }
    FAIL() << "no old layout among the inputs";
}

TEST(InputArea, HandsOutTheRecordWithAFixedFillingAndSeesWritesIntoIt)
{
    InputArea area;
    CallerInput none{"none", false, {}};
    EXPECT_EQ(nullptr, area.Place(none));
    CallerInput shortRecord{"short", true, {1, 2, 3}};
    auto* placed = reinterpret_cast<uint8_t*>(area.Place(shortRecord));
    ASSERT_NE(nullptr, placed);
    EXPECT_EQ(3, placed[2]);
    EXPECT_EQ(0xA5, placed[3]);
    EXPECT_TRUE(area.Unchanged());
    placed[100] = 0;
    EXPECT_FALSE(area.Unchanged());
    // Placing again restores what the last record's filling held.
    placed = reinterpret_cast<uint8_t*>(area.Place(shortRecord));
    EXPECT_EQ(0xA5, placed[100]);
}

class ControlDump : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
        parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, parent);
    }
    void TearDown() override
    {
        DestroyWindow(parent);
    }

    HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, int id)
    {
        return CreateWindowExW(0, className, text, WS_CHILD | style, 0, 0, 50, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND parent = nullptr;
};

TEST_F(ControlDump, RecordsWhatEachKindOfControlHolds)
{
    HWND box = Child(L"Button", L"&Check", WS_VISIBLE | BS_AUTOCHECKBOX, 10);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    HWND push = Child(L"Button", L"Push", WS_DISABLED, 11);
    HWND combo = Child(L"ComboBox", L"", WS_VISIBLE | CBS_DROPDOWNLIST, 12);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"tw\u00f6"));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    HWND bar = Child(L"ScrollBar", L"", WS_VISIBLE | SBS_HORZ, 13);
    SetScrollRange(bar, SB_CTL, 0, 200, FALSE);
    SetScrollPos(bar, SB_CTL, 150, FALSE);
    HWND edit = Child(L"Edit", L"7", WS_VISIBLE, 14);
    HWND spin = Child(UPDOWN_CLASSW, L"", WS_VISIBLE | UDS_SETBUDDYINT, 15);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageW(spin, UDM_SETRANGE32, 1, 32);
    SendMessageW(spin, UDM_SETPOS32, 0, 7);

    EXPECT_EQ("id=10 class=\"Button\" text=\"&Check\" visible=1 enabled=1 check=1", DescribeControl(box));
    EXPECT_EQ("id=11 class=\"Button\" text=\"Push\" visible=0 enabled=0", DescribeControl(push));
    EXPECT_EQ("id=12 class=\"ComboBox\" text=\"tw\\u00f6\" visible=1 enabled=1 items=2 \"one\" \"tw\\u00f6\" "
              "selected=1",
              DescribeControl(combo));
    EXPECT_EQ("id=13 class=\"ScrollBar\" text=\"\" visible=1 enabled=1 scroll=150 range=0..200 page=0",
              DescribeControl(bar));
    EXPECT_EQ("id=15 class=\"msctls_updown32\" text=\"\" visible=1 enabled=1 spin=7 range=1..32 buddy=14",
              DescribeControl(spin));

    ObservationLog log;
    RecordControls(log, parent);
    EXPECT_EQ(6u, log.Count());
    EXPECT_EQ(0u, log.Text().find("id=10 "));
}

TEST(MachineStateGuard, PutsBackTheCatalogueAndThePrinterDataItChanged)
{
    RecordedPrinter printer;
    ASSERT_NE(nullptr, printer.Handle());
    UseCatalogue("[]");
    printer.UseOptions(1, -1);
    const std::string pullback = printer.DescribeValue(L"Pullback");
    {
        MachineStateGuard guard(printer);
        UseCatalogue("[{}]");
        printer.UseOptions(0, 1);
        EXPECT_EQ("type=4 size=4 bytes=00000000", printer.DescribeValue(L"Pullback"));
    }
    EXPECT_EQ("[]", FileBytes(CataloguePath()));
    EXPECT_EQ(pullback, printer.DescribeValue(L"Pullback"));
    EXPECT_EQ("error=2", printer.DescribeValue(L"Cutter"));
    RemoveCatalogue();
    {
        MachineStateGuard guard(printer);
        UseCatalogue("[]");
    }
    EXPECT_FALSE(FileExists(CataloguePath()));
}

}  // namespace
