/* The Layout page of the printing-preferences sheet. */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "document_sheet_fixture.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int LayoutPageIndex = 4;
const wchar_t CopiesMessage[] = L"Invalid Number of Copies\nValid range: 1 - 25000";

class LayoutPage : public DocumentSheetFixture {
protected:
    void SetUp() override
    {
        DocumentSheetFixture::SetUp();
        in.Public.dmCopies = 10;
        in.Extra.DriverCopies = 3;
    }

    void OpenOnLayout()
    {
        OpenOnPage(LayoutPageIndex, &layout);
        ASSERT_NE(nullptr, GetDlgItem(layout, IDC_LAYOUT_COPIES));
    }

    const DriverDevMode& Working() const
    {
        return PageWorkingRecord(layout);
    }

    void ExpectOneCopiesMessage()
    {
        ExpectOneError(CopiesMessage);
    }

    HWND layout = nullptr;
};

TEST_F(LayoutPage, ShowsTheDriversCountWhenAlwaysUsedAndStoresItIntoBoth)
{
    in.Extra.AlwaysUseDriverSetting = 1;
    OpenOnLayout();
    EXPECT_EQ(L"3", sheet->Text(IDC_LAYOUT_COPIES));
    EXPECT_TRUE(sheet->IsChecked(IDC_LAYOUT_ALWAYS_USE_DRIVER));
    CloseWithOk();
    EXPECT_EQ(3, out.record()->Public.dmCopies);
    EXPECT_EQ(3, out.record()->Extra.DriverCopies);
    EXPECT_EQ(1u, out.record()->Extra.AlwaysUseDriverSetting);
}

TEST_F(LayoutPage, ShowsThePublicCountOtherwiseAndStoresItIntoBoth)
{
    OpenOnLayout();
    EXPECT_EQ(L"10", sheet->Text(IDC_LAYOUT_COPIES));
    EXPECT_FALSE(sheet->IsChecked(IDC_LAYOUT_ALWAYS_USE_DRIVER));
    CloseWithOk();
    EXPECT_EQ(10, out.record()->Public.dmCopies);
    EXPECT_EQ(10, out.record()->Extra.DriverCopies);
}

TEST_F(LayoutPage, StoresOrientationAndFlagOnOk)
{
    OpenOnLayout();
    EXPECT_TRUE(sheet->IsChecked(IDC_LAYOUT_PORTRAIT));
    sheet->Click(IDC_LAYOUT_LANDSCAPE);
    sheet->Click(IDC_LAYOUT_ALWAYS_USE_DRIVER);
    // Neither click touches what the copies edit shows.
    EXPECT_EQ(L"10", sheet->Text(IDC_LAYOUT_COPIES));
    sheet->SetText(IDC_LAYOUT_COPIES, L"250");
    CloseWithOk();
    EXPECT_EQ(DMORIENT_LANDSCAPE, out.record()->Public.dmOrientation);
    EXPECT_EQ(1u, out.record()->Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(250, out.record()->Public.dmCopies);
    EXPECT_EQ(250, out.record()->Extra.DriverCopies);
}

TEST_F(LayoutPage, RefusesToLeaveWithABadCount)
{
    OpenOnLayout();
    // The last one wraps to 1 when the conversion overflows.
    for (const wchar_t* text : {L"", L"0", L"25001", L"-5", L"4294967297"}) {
        SCOPED_TRACE(testing::Message() << "copies \"" << std::wstring(text).c_str() << "\"");
        sheet->SetText(IDC_LAYOUT_COPIES, text);
        sheet->SelectPage(LayoutPageIndex + 1);
        ExpectOneCopiesMessage();
        EXPECT_EQ(layout, sheet->CurrentPage());
        EXPECT_EQ(10, Working().Public.dmCopies);
        EXPECT_EQ(3, Working().Extra.DriverCopies);
    }
}

TEST_F(LayoutPage, LeavingStoresTheCountButNotOrientation)
{
    OpenOnLayout();
    sheet->Click(IDC_LAYOUT_LANDSCAPE);
    sheet->SetText(IDC_LAYOUT_COPIES, L"25000");
    sheet->SelectPage(LayoutPageIndex + 1);
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    EXPECT_NE(layout, sheet->CurrentPage());
    EXPECT_EQ(25000, Working().Public.dmCopies);
    EXPECT_EQ(25000, Working().Extra.DriverCopies);
    EXPECT_EQ(DMORIENT_PORTRAIT, Working().Public.dmOrientation);
}

TEST_F(LayoutPage, OkWithABadCountKeepsTheSheetOpen)
{
    OpenOnLayout();
    sheet->SetText(IDC_LAYOUT_COPIES, L"0");
    sheet->PressOk();
    ExpectOneCopiesMessage();
    EXPECT_FALSE(sheet->WaitClosed(300));
    EXPECT_EQ(layout, sheet->CurrentPage());
    sheet->SetText(IDC_LAYOUT_COPIES, L"7");
    CloseWithOk();
    EXPECT_EQ(7, out.record()->Public.dmCopies);
}

/* A host that applies without first letting the page refuse to be left
 * still finds orientation and flag stored, the copies untouched. */
TEST_F(LayoutPage, RefusedApplyStillStoresOrientationAndFlag)
{
    OpenOnLayout();
    sheet->Click(IDC_LAYOUT_LANDSCAPE);
    sheet->Click(IDC_LAYOUT_ALWAYS_USE_DRIVER);
    sheet->SetText(IDC_LAYOUT_COPIES, L"0");
    NMHDR apply = {sheet->Sheet(), 0, static_cast<UINT>(PSN_APPLY)};
    EXPECT_EQ(PSNRET_INVALID_NOCHANGEPAGE, sheet->SendToPage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply)));
    ExpectOneCopiesMessage();
    EXPECT_EQ(DMORIENT_LANDSCAPE, Working().Public.dmOrientation);
    EXPECT_EQ(1u, Working().Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(10, Working().Public.dmCopies);
    EXPECT_EQ(3, Working().Extra.DriverCopies);
    EXPECT_FALSE(sheet->WaitClosed(100));
}

TEST_F(LayoutPage, SpinStopsAtTheEndsWithoutSeparators)
{
    OpenOnLayout();
    HWND edit = sheet->Control(IDC_LAYOUT_COPIES);
    sheet->SetText(IDC_LAYOUT_COPIES, L"999");
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(L"1000", sheet->Text(IDC_LAYOUT_COPIES));
    sheet->SetText(IDC_LAYOUT_COPIES, L"25000");
    SendMessageW(edit, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(L"25000", sheet->Text(IDC_LAYOUT_COPIES));
    sheet->SetText(IDC_LAYOUT_COPIES, L"1");
    SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(L"1", sheet->Text(IDC_LAYOUT_COPIES));
}

}  // namespace
