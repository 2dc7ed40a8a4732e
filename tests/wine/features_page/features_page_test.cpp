/* The Features page of the printing-preferences sheet. */
#include <gtest/gtest.h>
#include <stdlib.h>

#include <windows.h>
#include <commctrl.h>

#include <ostream>
#include <string>

#include "document_sheet_fixture.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int FeaturesPageIndex = 5;
const wchar_t AmountMessage[] = L"Invalid Cut Amount entered!\nValid: 1 to 25000";
const wchar_t OffsetMessage[] = L"Invalid Cut Offset entered!\nValid: -1200 to 1200";
const int CutControls[] = {IDC_FEATURES_CUT_EVERY_LABEL, IDC_FEATURES_CUT_OFFSET_LABEL,
                           IDC_FEATURES_CUT_WORD,        IDC_FEATURES_CUT_EVERY,
                           IDC_FEATURES_CUT_OFFSET,      IDC_FEATURES_CUT_EVERY_SPIN,
                           IDC_FEATURES_CUT_OFFSET_SPIN};
const int ModeRadios[] = {IDC_FEATURES_MANUAL, IDC_FEATURES_AUTOMATIC};

/* The control that has the keyboard focus on the sheet's thread. */
HWND FocusOfThreadOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

/* Activation comes back to the sheet a moment after its message box is
 * gone, so the focus is given a little time to settle. */
HWND SettledFocus(HWND sheet, HWND expected)
{
    HWND focus = FocusOfThreadOf(sheet);
    for (int waited = 0; waited < 1000 && focus != expected; waited += 10) {
        Sleep(10);
        focus = FocusOfThreadOf(sheet);
    }
    return focus;
}

bool SameSix(const DriverExtra& a, const DriverExtra& b)
{
    return a.TapeThriftEnabled == b.TapeThriftEnabled && a.PullbackEnabled == b.PullbackEnabled &&
           a.PullbackMode == b.PullbackMode && a.CutterEnabled == b.CutterEnabled &&
           a.CutEvery == b.CutEvery && a.CutOffset == b.CutOffset;
}

class FeaturesPage : public DocumentSheetFixture {
protected:
    void SetUp() override
    {
        DocumentSheetFixture::SetUp();
        in.Extra.CutEvery = 2;
        in.Extra.CutOffset = -30;
    }
    void TearDown() override
    {
        sheet.reset();
        printer.DeleteValue(L"Cutter");
        printer.DeleteValue(L"Pullback");
        DocumentSheetFixture::TearDown();
    }

    /* Options are read when the sheet opens. */
    void OpenOnFeatures(DWORD cutter, DWORD pullback)
    {
        printer.SetValue(L"Cutter", cutter);
        printer.SetValue(L"Pullback", pullback);
        OpenOnPage(FeaturesPageIndex, &features);
        ASSERT_NE(nullptr, GetDlgItem(features, IDC_FEATURES_CUT_EVERY));
    }

    const DriverDevMode& Working() const
    {
        return PageWorkingRecord(features);
    }

    template <size_t Count>
    void ExpectEnabled(const int (&ids)[Count], bool enabled)
    {
        for (int id : ids)
            EXPECT_EQ(enabled, sheet->IsEnabled(id)) << "control " << id;
    }

    HWND features = nullptr;
};

/* Installed options against the stored switches. */
struct EnableCase {
    DWORD cutterInstalled;
    DWORD pullbackInstalled;
    uint32_t cutterOn;
    uint32_t pullbackOn;
};

void PrintTo(const EnableCase& c, std::ostream* out)
{
    *out << "cutter installed " << c.cutterInstalled << " on " << c.cutterOn << ", pullback installed "
         << c.pullbackInstalled << " on " << c.pullbackOn;
}

class FeaturesEnableRules : public FeaturesPage, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(FeaturesEnableRules, FollowInstalledOptionsAndSwitches)
{
    const EnableCase c = GetParam();
    in.Extra.CutterEnabled = c.cutterOn;
    in.Extra.PullbackEnabled = c.pullbackOn;
    in.Extra.TapeThriftEnabled = 0;
    OpenOnFeatures(c.cutterInstalled, c.pullbackInstalled);
    EXPECT_TRUE(sheet->IsEnabled(IDC_FEATURES_TAPETHRIFT));
    EXPECT_FALSE(sheet->IsChecked(IDC_FEATURES_TAPETHRIFT));
    EXPECT_EQ(c.cutterInstalled == 1, sheet->IsEnabled(IDC_FEATURES_CUTTER));
    EXPECT_EQ(c.pullbackInstalled == 1, sheet->IsEnabled(IDC_FEATURES_PULLBACK));
    ExpectEnabled(CutControls, c.cutterInstalled == 1 && c.cutterOn == 1);
    ExpectEnabled(ModeRadios, c.pullbackInstalled == 1 && c.pullbackOn == 1);
    // A locked check box still shows what is stored.
    EXPECT_EQ(c.cutterOn == 1, sheet->IsChecked(IDC_FEATURES_CUTTER));
    EXPECT_EQ(c.pullbackOn == 1, sheet->IsChecked(IDC_FEATURES_PULLBACK));
}

INSTANTIATE_TEST_SUITE_P(Options, FeaturesEnableRules,
                         ::testing::Values(EnableCase{0, 0, 1, 1}, EnableCase{1, 1, 0, 0},
                                           EnableCase{1, 1, 1, 1}, EnableCase{1, 0, 1, 1},
                                           EnableCase{0, 1, 1, 1},
                                           // Anything but exactly 1 is not installed.
                                           EnableCase{2, 2, 1, 1}));

TEST_F(FeaturesPage, ClickingAnOptionSwitchesItsControlsAtOnce)
{
    OpenOnFeatures(1, 1);
    ExpectEnabled(CutControls, false);
    ExpectEnabled(ModeRadios, false);
    sheet->Click(IDC_FEATURES_CUTTER);
    ExpectEnabled(CutControls, true);
    ExpectEnabled(ModeRadios, false);
    sheet->Click(IDC_FEATURES_PULLBACK);
    ExpectEnabled(ModeRadios, true);
    sheet->Click(IDC_FEATURES_CUTTER);
    ExpectEnabled(CutControls, false);
    ExpectEnabled(ModeRadios, true);
}

TEST_F(FeaturesPage, ClickingAnOptionRewritesTheEditsAsNumbers)
{
    OpenOnFeatures(1, 1);
    sheet->SetText(IDC_FEATURES_CUT_EVERY, L"12abc");
    sheet->SetText(IDC_FEATURES_CUT_OFFSET, L"abc");
    sheet->Click(IDC_FEATURES_PULLBACK);
    EXPECT_EQ(L"12", sheet->Text(IDC_FEATURES_CUT_EVERY));
    EXPECT_EQ(L"0", sheet->Text(IDC_FEATURES_CUT_OFFSET));
    EXPECT_TRUE(sheet->MessageBoxes().empty());
}

TEST_F(FeaturesPage, CutWordFollowsTheInterval)
{
    OpenOnFeatures(1, 0);
    // The template says "label is printed"; the stored 2 must replace it.
    EXPECT_EQ(L"labels are printed", sheet->Text(IDC_FEATURES_CUT_WORD));
    sheet->SetText(IDC_FEATURES_CUT_EVERY, L"1");
    EXPECT_EQ(L"label is printed", sheet->Text(IDC_FEATURES_CUT_WORD));
    for (const wchar_t* text : {L"2", L"0", L"", L"4294967297"}) {
        sheet->SetText(IDC_FEATURES_CUT_EVERY, L"1");
        sheet->SetText(IDC_FEATURES_CUT_EVERY, text);
        EXPECT_EQ(L"labels are printed", sheet->Text(IDC_FEATURES_CUT_WORD)) << std::wstring(text).c_str();
    }
}

/* Interval and offset texts, and the one message leaving must bring. */
struct RangeCase {
    const wchar_t* every;
    const wchar_t* offset;
    const wchar_t* message;
    int focus;
};

TEST_F(FeaturesPage, LeavingWithANumberOutOfRangeIsRefused)
{
    in.Extra.CutterEnabled = 1;
    OpenOnFeatures(1, 0);
    const DriverExtra before = Working().Extra;
    const RangeCase cases[] = {
        {L"25001", L"0", AmountMessage, IDC_FEATURES_CUT_EVERY},
        {L"0", L"0", AmountMessage, IDC_FEATURES_CUT_EVERY},
        // Wraps to 1 when the conversion overflows.
        {L"4294967297", L"0", AmountMessage, IDC_FEATURES_CUT_EVERY},
        {L"1", L"1201", OffsetMessage, IDC_FEATURES_CUT_OFFSET},
        {L"1", L"-1201", OffsetMessage, IDC_FEATURES_CUT_OFFSET},
        {L"1", L"-4294967297", OffsetMessage, IDC_FEATURES_CUT_OFFSET},
        // Only the first failure is told.
        {L"0", L"5000", AmountMessage, IDC_FEATURES_CUT_EVERY},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::wstring(c.every).c_str() << " / " << std::wstring(c.offset).c_str());
        sheet->Click(IDC_FEATURES_TAPETHRIFT);
        sheet->SetText(IDC_FEATURES_CUT_EVERY, c.every);
        sheet->SetText(IDC_FEATURES_CUT_OFFSET, c.offset);
        sheet->SelectPage(FeaturesPageIndex + 1);
        ExpectOneError(c.message);
        EXPECT_EQ(features, sheet->CurrentPage());
        EXPECT_EQ(sheet->Control(c.focus), SettledFocus(sheet->Sheet(), sheet->Control(c.focus)));
        EXPECT_TRUE(SameSix(before, Working().Extra));
    }
}

TEST_F(FeaturesPage, LeavingStoresAllSix)
{
    in.Extra.CutterEnabled = 1;
    in.Extra.PullbackEnabled = 1;
    OpenOnFeatures(1, 1);
    sheet->Click(IDC_FEATURES_TAPETHRIFT);
    sheet->Click(IDC_FEATURES_AUTOMATIC);
    sheet->SetText(IDC_FEATURES_CUT_EVERY, L"25000");
    sheet->SetText(IDC_FEATURES_CUT_OFFSET, L"-1200");
    sheet->SelectPage(FeaturesPageIndex + 1);
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    const DriverExtra& stored = Working().Extra;
    EXPECT_EQ(0u, stored.TapeThriftEnabled);
    EXPECT_EQ(1u, stored.PullbackEnabled);
    EXPECT_EQ(2u, stored.PullbackMode);
    EXPECT_EQ(1u, stored.CutterEnabled);
    EXPECT_EQ(25000, stored.CutEvery);
    EXPECT_EQ(-1200, stored.CutOffset);
}

TEST_F(FeaturesPage, ALockedEditStillRefusesTheOk)
{
    in.Extra.CutterEnabled = 1;
    OpenOnFeatures(1, 0);
    sheet->SetText(IDC_FEATURES_CUT_EVERY, L"0");
    sheet->Click(IDC_FEATURES_CUTTER);
    EXPECT_FALSE(sheet->IsEnabled(IDC_FEATURES_CUT_EVERY));
    EXPECT_EQ(L"0", sheet->Text(IDC_FEATURES_CUT_EVERY));
    sheet->PressOk();
    ExpectOneError(AmountMessage);
    EXPECT_FALSE(sheet->WaitClosed(300));
    EXPECT_EQ(features, sheet->CurrentPage());
    EXPECT_EQ(1u, Working().Extra.CutterEnabled);
}

TEST_F(FeaturesPage, RangesHoldWithoutACutter)
{
    OpenOnFeatures(0, 0);
    sheet->SetText(IDC_FEATURES_CUT_OFFSET, L"1201");
    sheet->PressOk();
    ExpectOneError(OffsetMessage);
    EXPECT_FALSE(sheet->WaitClosed(300));
}

TEST_F(FeaturesPage, SpinStepsShowPlainNumbersAndStopAtTheEnds)
{
    in.Extra.CutterEnabled = 1;
    OpenOnFeatures(1, 0);
    struct Step {
        int edit;
        const wchar_t* from;
        WPARAM key;
        const wchar_t* to;
    };
    const Step steps[] = {
        {IDC_FEATURES_CUT_EVERY, L"25000", VK_UP, L"25000"},
        {IDC_FEATURES_CUT_EVERY, L"1", VK_DOWN, L"1"},
        {IDC_FEATURES_CUT_OFFSET, L"1200", VK_UP, L"1200"},
        {IDC_FEATURES_CUT_OFFSET, L"-1200", VK_DOWN, L"-1200"},
        {IDC_FEATURES_CUT_OFFSET, L"-1", VK_UP, L"0"},
        {IDC_FEATURES_CUT_EVERY, L"999", VK_UP, L"1000"},
    };
    for (const Step& step : steps) {
        sheet->SetText(step.edit, step.from);
        SendMessageW(sheet->Control(step.edit), WM_KEYDOWN, step.key, 0);
        EXPECT_EQ(step.to, sheet->Text(step.edit)) << std::wstring(step.from).c_str();
    }
    CloseWithOk();
    EXPECT_EQ(1000, out.record()->Extra.CutEvery);
    EXPECT_EQ(0, out.record()->Extra.CutOffset);
}

TEST_F(FeaturesPage, UnknownPullbackModeShowsAsManualAndIsStoredAsOne)
{
    in.Extra.PullbackEnabled = 1;
    in.Extra.PullbackMode = 0;
    OpenOnFeatures(0, 1);
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_MANUAL));
    EXPECT_FALSE(sheet->IsChecked(IDC_FEATURES_AUTOMATIC));
    CloseWithOk();
    EXPECT_EQ(1u, out.record()->Extra.PullbackMode);
}

TEST_F(FeaturesPage, AutomaticPullbackShowsAndCanBeSwitchedToManual)
{
    in.Extra.PullbackEnabled = 1;
    in.Extra.PullbackMode = 2;
    OpenOnFeatures(0, 1);
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_AUTOMATIC));
    sheet->Click(IDC_FEATURES_MANUAL);
    CloseWithOk();
    EXPECT_EQ(1u, out.record()->Extra.PullbackMode);
    EXPECT_EQ(1u, out.record()->Extra.PullbackEnabled);
}

/* Run in its own Wine process with the user's language set (see CMake):
 * those sets have no Manual/Automatic radios. */
TEST(FeaturesLanguage, WithoutModeRadiosEveryApplyStoresManual)
{
    const char* language = getenv("PDR_EXPECT_LANGUAGE");
    if (language == nullptr)
        GTEST_SKIP() << "run with PDR_EXPECT_LANGUAGE";
    HMODULE library = LoadDriverLibrary();
    ASSERT_NE(nullptr, library);
    DemoPrinter printer;
    printer.SetValue(L"Pullback", 1);
    printer.SetValue(L"Cutter", 1);
    DriverDevMode in;
    BuildDefaultDevMode(&in, nullptr);
    in.Extra.PullbackEnabled = 1;
    in.Extra.PullbackMode = 2;
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in),
                                                   out.get(), DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY);
    auto sheet = SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets"),
                                    reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(std::string(language) == "de" ? L"Features" : L"Fonctions",
              sheet->PageTitle(FeaturesPageIndex));
    sheet->SelectPage(FeaturesPageIndex);
    EXPECT_EQ(nullptr, sheet->Control(IDC_FEATURES_MANUAL));
    EXPECT_EQ(nullptr, sheet->Control(IDC_FEATURES_AUTOMATIC));
    // The page still works: the options switch their controls.
    sheet->Click(IDC_FEATURES_CUTTER);
    EXPECT_TRUE(sheet->IsEnabled(IDC_FEATURES_CUT_EVERY));
    sheet->Click(IDC_FEATURES_PULLBACK);
    sheet->Click(IDC_FEATURES_PULLBACK);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    EXPECT_EQ(1u, out.record()->Extra.PullbackMode);
    EXPECT_EQ(1u, out.record()->Extra.PullbackEnabled);
    EXPECT_EQ(1u, out.record()->Extra.CutterEnabled);
    sheet.reset();
    printer.DeleteValue(L"Pullback");
    printer.DeleteValue(L"Cutter");
    FreeLibrary(library);
}

}  // namespace
