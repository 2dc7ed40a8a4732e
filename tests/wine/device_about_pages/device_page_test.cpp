/* The Device page: the installed options it shows and stores. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/devmode_ops.h"
#include "sheet_context/sheet_context.h"
#include "sheet_context/spooler_calls.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int PullbackBox = 1183;
const int CutterBox = 107;
const int FeaturesPage = 5;
const int FeaturesCutterBox = 1191;
const int FeaturesCutEvery = 1145;
const int FeaturesCutOffset = 1146;

/* The printer-data writes that reached the spooler seam; "Pullback" is
 * refused when asked, everything else goes to the real spooler. */
struct SeenWrite {
    std::wstring name;
    DWORD type;
    DWORD size;
    DWORD value;
};
std::vector<SeenWrite> seenWrites;
bool refusePullback = false;
bool passWritesOn = true;

DWORD WINAPI WatchWrite(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size)
{
    DWORD value = size == sizeof(DWORD) ? *reinterpret_cast<const DWORD*>(data) : 0xFFFFFFFF;
    seenWrites.push_back({name, type, size, value});
    if (refusePullback && std::wstring(name) == L"Pullback")
        return ERROR_ACCESS_DENIED;
    return passWritesOn ? SetPrinterDataW(printer, name, type, data, size) : ERROR_SUCCESS;
}

bool WasWritten(const wchar_t* name)
{
    for (const SeenWrite& write : seenWrites)
        if (write.name == name)
            return true;
    return false;
}

/* Keeps the demo printer's two options as the prefix had them. */
class DevicePage : public ::testing::Test {
protected:
    void SetUp() override
    {
        hadPullback = printer.ReadValue(L"Pullback", &savedPullback);
        hadCutter = printer.ReadValue(L"Cutter", &savedCutter);
        seenWrites.clear();
        refusePullback = false;
        passWritesOn = true;
    }
    void TearDown() override
    {
        RestoreSpoolerCalls();
        Restore(L"Pullback", hadPullback, savedPullback);
        Restore(L"Cutter", hadCutter, savedCutter);
    }
    void Restore(const wchar_t* name, bool had, DWORD value)
    {
        if (had)
            printer.SetValue(name, value);
        else
            printer.DeleteValue(name);
    }

    std::unique_ptr<SheetSession> OpenThroughLibrary()
    {
        library = LoadDriverLibrary();
        if (library == nullptr)
            return nullptr;
        header = DeviceHeader(printer.Handle());
        return SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDevicePropertySheets"),
                                  reinterpret_cast<LPARAM>(&header));
    }
    void CloseLibrary()
    {
        if (library != nullptr)
            FreeLibrary(library);
        library = nullptr;
    }

    /* Whether the next document sheet's Features page lets the user switch
     * the cutter and set its cuts, for a document that asks for cutting. */
    struct CutterControls {
        bool check;
        bool every;
        bool offset;
    };
    CutterControls FeaturesCutterControls()
    {
        HMODULE documentLibrary = LoadDriverLibrary();
        DriverDevMode in;
        BuildDefaultDevMode(&in, nullptr);
        in.Extra.CutterEnabled = 1;
        DOCUMENTPROPERTYHEADER document =
            DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), nullptr, 0);
        auto sheet =
            SheetSession::Open(DriverExport<PFNPROPSHEETUI>(documentLibrary, "DrvDocumentPropertySheets"),
                               reinterpret_cast<LPARAM>(&document));
        CutterControls shown = {true, true, true};
        if (sheet != nullptr) {
            sheet->SelectPage(FeaturesPage);
            shown = {sheet->IsEnabled(FeaturesCutterBox), sheet->IsEnabled(FeaturesCutEvery),
                     sheet->IsEnabled(FeaturesCutOffset)};
            sheet->PressCancel();
            sheet->WaitClosed();
        }
        sheet.reset();
        FreeLibrary(documentLibrary);
        return shown;
    }

    DWORD Stored(const wchar_t* name)
    {
        DWORD value = 0xFFFFFFFF;
        printer.ReadValue(name, &value);
        return value;
    }

    DemoPrinter printer;
    HMODULE library = nullptr;
    DEVICEPROPERTYHEADER header;
    bool hadPullback = false;
    bool hadCutter = false;
    DWORD savedPullback = 0;
    DWORD savedCutter = 0;
};

TEST_F(DevicePage, BoxesShowTheStoredOptions)
{
    // One installed and one not, so boxes that swapped options would show.
    printer.SetValue(L"Pullback", 1);
    printer.SetValue(L"Cutter", 0);
    auto sheet = OpenThroughLibrary();
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(sheet->IsChecked(PullbackBox));
    EXPECT_FALSE(sheet->IsChecked(CutterBox));
    sheet->PressCancel();
    ASSERT_TRUE(sheet->WaitClosed());
    sheet.reset();
    CloseLibrary();
}

TEST_F(DevicePage, CancelWritesNothing)
{
    printer.SetValue(L"Pullback", 2);
    printer.SetValue(L"Cutter", 1);
    auto sheet = OpenThroughLibrary();
    ASSERT_NE(nullptr, sheet);
    sheet->Click(CutterBox);
    sheet->Click(PullbackBox);
    sheet->PressCancel();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(2u, Stored(L"Pullback"));
    EXPECT_EQ(1u, Stored(L"Cutter"));
    sheet.reset();
    CloseLibrary();
}

TEST_F(DevicePage, UncheckedCutterIsStoredForEveryLaterSheet)
{
    // A stored 2 shows unchecked; only a write of the page turns it into 0.
    printer.SetValue(L"Pullback", 2);
    printer.SetValue(L"Cutter", 1);
    auto sheet = OpenThroughLibrary();
    ASSERT_NE(nullptr, sheet);
    ASSERT_TRUE(sheet->IsChecked(CutterBox));
    sheet->Click(CutterBox);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    EXPECT_EQ(0u, Stored(L"Pullback"));
    EXPECT_EQ(0u, Stored(L"Cutter"));

    SheetContext* context = CreateSheetContext(printer.Handle(), nullptr);
    ASSERT_NE(nullptr, context);
    context->PrinterOptions.Cutter = 7;
    ReadPrinterOptions(context->PrinterHandle, &context->PrinterOptions);
    EXPECT_EQ(0u, context->PrinterOptions.Cutter);
    EXPECT_EQ(0u, context->PrinterOptions.Pullback);
    DestroySheetContext(context);

    CutterControls features = FeaturesCutterControls();
    EXPECT_FALSE(features.check);
    EXPECT_FALSE(features.every);
    EXPECT_FALSE(features.offset);

    // And back: both boxes checked are stored as 1.
    sheet = OpenThroughLibrary();
    ASSERT_NE(nullptr, sheet);
    EXPECT_FALSE(sheet->IsChecked(CutterBox));
    EXPECT_FALSE(sheet->IsChecked(PullbackBox));
    sheet->Click(CutterBox);
    sheet->Click(PullbackBox);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(1u, Stored(L"Pullback"));
    EXPECT_EQ(1u, Stored(L"Cutter"));
    sheet.reset();
    CloseLibrary();
    features = FeaturesCutterControls();
    EXPECT_TRUE(features.check);
    EXPECT_TRUE(features.every);
    EXPECT_TRUE(features.offset);
}

TEST_F(DevicePage, RefusedPullbackLeavesCutterUnwrittenAndSaysNothing)
{
    UseProgramAsModule();
    printer.SetValue(L"Pullback", 0);
    printer.SetValue(L"Cutter", 1);
    refusePullback = true;
    Spooler().SetPrinterData = WatchWrite;
    header = DeviceHeader(printer.Handle());
    auto sheet = SheetSession::Open(DrvDevicePropertySheets, reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    sheet->Click(CutterBox);
    sheet->Click(PullbackBox);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    RestoreSpoolerCalls();
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    EXPECT_TRUE(WasWritten(L"Pullback"));
    EXPECT_FALSE(WasWritten(L"Cutter"));
    EXPECT_EQ(0u, Stored(L"Pullback"));
    EXPECT_EQ(1u, Stored(L"Cutter"));

    // The next sheet shows the printer's state, not the refused choice.
    sheet = SheetSession::Open(DrvDevicePropertySheets, reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    EXPECT_FALSE(sheet->IsChecked(PullbackBox));
    EXPECT_TRUE(sheet->IsChecked(CutterBox));
    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
}

TEST_F(DevicePage, WritesBothOptionsAsFourByteNumbersPullbackFirst)
{
    passWritesOn = false;
    Spooler().SetPrinterData = WatchWrite;
    PrinterOptions options = {1, 0};
    EXPECT_EQ(1, WriteDeviceOptions(nullptr, &options));
    ASSERT_EQ(2u, seenWrites.size());
    EXPECT_EQ(L"Pullback", seenWrites[0].name);
    EXPECT_EQ(1u, seenWrites[0].value);
    EXPECT_EQ(L"Cutter", seenWrites[1].name);
    EXPECT_EQ(0u, seenWrites[1].value);
    for (const SeenWrite& write : seenWrites) {
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), write.type);
        EXPECT_EQ(4u, write.size);
    }

    seenWrites.clear();
    refusePullback = true;
    EXPECT_EQ(0, WriteDeviceOptions(nullptr, &options));
    ASSERT_EQ(1u, seenWrites.size());
    EXPECT_EQ(L"Pullback", seenWrites[0].name);
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

/* Opens the device sheet's page in a modeless sheet, clicks `clicks`,
 * presses `button` and returns what the host heard. */
std::vector<LPARAM> HostResultsOf(HANDLE printer, int button, std::vector<int> clicks)
{
    UseProgramAsModule();
    // The page is shown in a modeless sheet of this thread, which takes the
    // host's pages.
    RecordingHost host;
    DEVICEPROPERTYHEADER header = DeviceHeader(printer);
    PROPSHEETUI_INFO info = host.InitInfo(&header);
    if (DrvDevicePropertySheets(&info, 0) != 1 || host.pages.size() != 1)
        return {-1};

    PROPSHEETHEADERW sheetHeader = {};
    sheetHeader.dwSize = sizeof(sheetHeader);
    sheetHeader.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
    sheetHeader.nPages = 1;
    sheetHeader.phpage = host.pages.data();
    HWND sheet = reinterpret_cast<HWND>(PropertySheetW(&sheetHeader));
    std::vector<LPARAM> heard = {-1};
    if (sheet != nullptr) {
        Pump();
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        for (int id : clicks)
            SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0);
        SendMessageW(sheet, PSM_PRESSBUTTON, button, 0);
        for (int waited = 0; waited < 2000 && PropSheet_GetCurrentPageHwnd(sheet) != nullptr; waited += 10) {
            Pump();
            Sleep(10);
        }
        // A sheet still showing its page did not close: report that instead.
        if (PropSheet_GetCurrentPageHwnd(sheet) == nullptr)
            heard = host.results;
        DestroyWindow(sheet);
    }
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    DrvDevicePropertySheets(&info, 0);
    return heard;
}

TEST_F(DevicePage, ApplyTellsTheHostNothingAndCancelTellsItTwo)
{
    printer.SetValue(L"Pullback", 0);
    printer.SetValue(L"Cutter", 0);
    EXPECT_EQ(std::vector<LPARAM>{}, HostResultsOf(printer.Handle(), PSBTN_OK, {CutterBox}));
    EXPECT_EQ(1u, Stored(L"Cutter"));
    EXPECT_EQ(std::vector<LPARAM>{2}, HostResultsOf(printer.Handle(), PSBTN_CANCEL, {PullbackBox}));
    EXPECT_EQ(0u, Stored(L"Pullback"));
}

}  // namespace
