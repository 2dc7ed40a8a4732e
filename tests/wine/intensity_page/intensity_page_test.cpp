/* The Intensity & Speed page: the four head edits and their check on
 * leaving and on OK, and the speed list. */
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "document_sheet_fixture.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_context/sheet_context.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int IntensityPageIndex = 2;
const int LayoutPageIndex = 4;
const int HeadEdits[] = {IDC_INTENSITY_HEAD1, IDC_INTENSITY_HEAD2, IDC_INTENSITY_HEAD3, IDC_INTENSITY_HEAD4};
const wchar_t HeatMessage[] = L"Invalid Heat settings entered!\nValid: 1 to 32";

class IntensityPage : public DocumentSheetFixture {
protected:
    void TearDown() override
    {
        if (focusHook != nullptr)
            UnhookWindowsHookEx(focusHook);
        DocumentSheetFixture::TearDown();
    }

    void OpenOnIntensityPage()
    {
        OpenOnPage(IntensityPageIndex, &page);
        if (page != nullptr)
            WatchFocus();
    }

    const DriverExtra& Working() const
    {
        return PageWorkingRecord(page).Extra;
    }

    /* Other test programs share the desktop and may take the activation,
     * and with it the focus, from the sheet at any moment (the focus comes
     * back to the same control when the sheet is activated again).  So the
     * window that last received the focus on the sheet's thread is followed
     * too. */
    void WatchFocus()
    {
        lastFocus = nullptr;
        focusHook = SetWindowsHookExW(WH_CALLWNDPROC, NoteFocus, nullptr,
                                      GetWindowThreadProcessId(sheet->Sheet(), nullptr));
        ASSERT_NE(nullptr, focusHook);
    }
    static LRESULT CALLBACK NoteFocus(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_SETFOCUS)
            lastFocus = message->hwnd;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void ExpectFocusOn(HWND edit, const wchar_t* what) const
    {
        // The page sets the focus after its message box has gone; on a
        // loaded machine that may come a moment after the box was answered.
        for (int waited = 0; waited < 5000 && lastFocus.load() != edit; waited += 10)
            Sleep(10);
        EXPECT_EQ(edit, lastFocus.load()) << what;
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(sheet->Sheet(), nullptr), &info);
        if (info.hwndActive == sheet->Sheet()) {
            EXPECT_EQ(edit, info.hwndFocus) << what;
        }
    }

    /* Tries to leave the page; true when the sheet moved on. */
    bool LeavePage()
    {
        sheet->ClearMessageBoxes();
        sheet->SelectPage(LayoutPageIndex);
        return sheet->CurrentPage() != page;
    }

    void ExpectRefusedWithFocusOn(int editId, const wchar_t* what)
    {
        EXPECT_EQ(page, sheet->CurrentPage()) << what;
        const auto boxes = sheet->MessageBoxes();
        ASSERT_EQ(1u, boxes.size()) << what;
        EXPECT_EQ(L"Error", boxes[0].Caption);
        EXPECT_EQ(HeatMessage, boxes[0].Text);
        ExpectFocusOn(GetDlgItem(page, editId), what);
    }

    std::wstring SelectedSpeed() const
    {
        HWND list = GetDlgItem(page, IDC_INTENSITY_SPEED);
        const LRESULT selection = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (selection == CB_ERR)
            return L"";
        wchar_t text[16] = {};
        SendMessageW(list, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text));
        return text;
    }

    HWND page = nullptr;
    HHOOK focusHook = nullptr;
    static std::atomic<HWND> lastFocus;
};

std::atomic<HWND> IntensityPage::lastFocus{nullptr};

TEST_F(IntensityPage, ShowsTheRecordAndStoresTheChosenSpeed)
{
    const uint16_t heads[] = {1, 32, 10, 17};
    for (int head = 0; head < 4; ++head)
        in.Extra.HeadIntensity[head] = heads[head];
    in.Extra.PrintSpeed = 5;
    OpenOnIntensityPage();
    for (int head = 0; head < 4; ++head)
        EXPECT_EQ(std::to_wstring(heads[head]), sheet->Text(HeadEdits[head]));

    HWND list = GetDlgItem(page, IDC_INTENSITY_SPEED);
    ASSERT_EQ(6, SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < 6; ++index) {
        wchar_t text[16] = {};
        SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::to_wstring(index + 2), text);
    }
    EXPECT_EQ(L"5", SelectedSpeed());

    SendMessageW(list, CB_SETCURSEL, 5, 0);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(7, out.record()->Extra.PrintSpeed);
    EXPECT_EQ(17, out.record()->Extra.HeadIntensity[3]);
}

TEST_F(IntensityPage, BadHeadsAreRefusedWithTheMessageAndTheFocus)
{
    OpenOnIntensityPage();
    const wchar_t* bad[] = {L"", L"0", L"33", L"-5", L"abc", L"4294967297", L"99999999999999999999"};
    int head = 0;
    for (const wchar_t* text : bad) {
        const int edit = HeadEdits[head];
        sheet->SetText(edit, text);
        EXPECT_FALSE(LeavePage()) << "\"" << std::string(text, text + wcslen(text)) << "\"";
        ExpectRefusedWithFocusOn(edit, text);
        sheet->SetText(edit, L"10");
        head = (head + 1) % 4;
    }
    EXPECT_TRUE(LeavePage());
    EXPECT_TRUE(sheet->MessageBoxes().empty());
}

TEST_F(IntensityPage, LeadingNumbersAreAccepted)
{
    OpenOnIntensityPage();
    EXPECT_EQ(L"3", SelectedSpeed());
    sheet->SetText(IDC_INTENSITY_HEAD1, L"12abc");
    sheet->SetText(IDC_INTENSITY_HEAD2, L"  7");
    sheet->SetText(IDC_INTENSITY_HEAD3, L"+32");
    sheet->SetText(IDC_INTENSITY_HEAD4, L"1");
    EXPECT_TRUE(LeavePage());
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    const uint16_t expected[] = {12, 7, 32, 1};
    for (int head = 0; head < 4; ++head)
        EXPECT_EQ(expected[head], out.record()->Extra.HeadIntensity[head]) << head;
    EXPECT_EQ(3, out.record()->Extra.PrintSpeed);
}

TEST_F(IntensityPage, OnlyTheFirstBadHeadIsReportedAndNothingIsStored)
{
    OpenOnIntensityPage();
    sheet->SetText(IDC_INTENSITY_HEAD1, L"20");
    sheet->SetText(IDC_INTENSITY_HEAD3, L"40");
    SendMessageW(GetDlgItem(page, IDC_INTENSITY_SPEED), CB_SETCURSEL, 5, 0);
    EXPECT_FALSE(LeavePage());
    ExpectRefusedWithFocusOn(IDC_INTENSITY_HEAD3, L"head 3");
    EXPECT_EQ(10, Working().HeadIntensity[0]);
    EXPECT_EQ(3, Working().PrintSpeed);

    sheet->SetText(IDC_INTENSITY_HEAD3, L"10");
    sheet->SetText(IDC_INTENSITY_HEAD2, L"x");
    sheet->SetText(IDC_INTENSITY_HEAD4, L"0");
    EXPECT_FALSE(LeavePage());
    ExpectRefusedWithFocusOn(IDC_INTENSITY_HEAD2, L"heads 2 and 4");
    for (int head = 0; head < 4; ++head)
        EXPECT_EQ(10, Working().HeadIntensity[head]) << head;
}

TEST_F(IntensityPage, RefusedOkAndApplyWriteNothing)
{
    OpenOnIntensityPage();
    sheet->SetText(IDC_INTENSITY_HEAD1, L"5");
    sheet->SetText(IDC_INTENSITY_HEAD4, L"33");
    sheet->ClearMessageBoxes();
    sheet->PressOk();
    EXPECT_FALSE(sheet->WaitClosed(300));
    ExpectRefusedWithFocusOn(IDC_INTENSITY_HEAD4, L"OK");

    // The apply itself refuses too, for a page that is not left first.
    sheet->ClearMessageBoxes();
    PSHNOTIFY apply = {};
    apply.hdr.hwndFrom = sheet->Sheet();
    apply.hdr.code = PSN_APPLY;
    EXPECT_EQ(PSNRET_INVALID_NOCHANGEPAGE, sheet->SendToPage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply)));
    ExpectRefusedWithFocusOn(IDC_INTENSITY_HEAD4, L"apply");
    EXPECT_EQ(10, Working().HeadIntensity[0]);
    EXPECT_TRUE(out.UntouchedFrom(0));

    sheet->PressCancel();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(out.UntouchedFrom(0));
}

TEST_F(IntensityPage, SpinArrowsStopAtOneAndThirtyTwo)
{
    OpenOnIntensityPage();
    struct Case {
        const wchar_t* start;
        WPARAM key;
        const wchar_t* end;
    };
    const Case cases[] = {
        {L"10", VK_UP, L"11"}, {L"32", VK_UP, L"32"}, {L"1", VK_DOWN, L"1"}, {L"2", VK_DOWN, L"1"}};
    HWND edit = GetDlgItem(page, IDC_INTENSITY_HEAD1);
    for (const Case& c : cases) {
        sheet->SetText(IDC_INTENSITY_HEAD1, c.start);
        SendMessageW(edit, WM_KEYDOWN, c.key, 0);
        SendMessageW(edit, WM_KEYUP, c.key, 0);
        EXPECT_EQ(c.end, sheet->Text(IDC_INTENSITY_HEAD1)) << c.start;
    }
}

}  // namespace
