/*
 * The Layout page: orientation, the number of copies, and whether the
 * driver's own copy count is the one the page shows.
 */
#include "pages/layout_page_steps.h"

#include <commctrl.h>
#include <wchar.h>

#include "pages/dialog_controls.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

namespace {

/* Appends what fits; the buffer always stays terminated. */
void AppendCut(wchar_t* buffer, int capacity, const wchar_t* piece)
{
    int used = lstrlenW(buffer);
    if (used < capacity - 1)
        lstrcpynW(buffer + used, piece, capacity - used);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    if (context != nullptr)
        ShowLayoutSettings(page, context->WorkingDevMode);
    return TRUE;
}

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    switch (code) {
    case PSN_KILLACTIVE:
        if (context != nullptr)
            EndValidatedLeave(page, ReadCopiesField(page, &context->WorkingDevMode) != 0);
        return TRUE;
    case PSN_APPLY:
        if (context != nullptr)
            ApplyLayoutPage(page, context);
        return TRUE;
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

int CopiesToShow(const DriverDevMode& record)
{
    return record.Extra.AlwaysUseDriverSetting != 0 ? record.Extra.DriverCopies : record.Public.dmCopies;
}

void FormatCopiesError(wchar_t* body, int capacity)
{
    wchar_t piece[256];
    wchar_t range[16];
    if (swprintf(range, 16, L"%d - %d", static_cast<int>(MinCopies), static_cast<int>(MaxCopies)) < 0)
        range[0] = 0;
    body[0] = 0;
    LoadPageString(IDS_INVALID_COPIES, piece, 256);
    AppendCut(body, capacity, piece);
    AppendCut(body, capacity, L"\n");
    LoadPageString(IDS_VALID_RANGE, piece, 256);
    AppendCut(body, capacity, piece);
    AppendCut(body, capacity, L" ");
    AppendCut(body, capacity, range);
}

void ShowLayoutSettings(HWND page, const DriverDevMode& record)
{
    CheckOneOfTwo(page, IDC_LAYOUT_PORTRAIT, IDC_LAYOUT_LANDSCAPE,
                   record.Public.dmOrientation == DMORIENT_LANDSCAPE);
    CheckDlgButton(page, IDC_LAYOUT_ALWAYS_USE_DRIVER, record.Extra.AlwaysUseDriverSetting);
    SendDlgItemMessageW(page, IDC_LAYOUT_COPIES_SPIN, UDM_SETRANGE32, MinCopies, MaxCopies);
    const int copies = CopiesToShow(record);
    WriteEditInteger(page, IDC_LAYOUT_COPIES, copies);
    SendDlgItemMessageW(page, IDC_LAYOUT_COPIES_SPIN, UDM_SETPOS32, 0, copies);
}

int ReadCopiesField(HWND page, DriverDevMode* record)
{
    const int copies = ReadEditInteger(page, IDC_LAYOUT_COPIES);
    if (copies >= MinCopies && copies <= MaxCopies) {
        record->Public.dmCopies = static_cast<int16_t>(copies);
        record->Extra.DriverCopies = static_cast<int16_t>(copies);
        return 1;
    }
    wchar_t body[256];
    FormatCopiesError(body, 256);
    ShowPageError(page, body);
    return 0;
}

void ApplyLayoutPage(HWND page, SheetContext* context)
{
    DriverDevMode& record = context->WorkingDevMode;
    record.Public.dmOrientation =
        IsDlgButtonChecked(page, IDC_LAYOUT_LANDSCAPE) == BST_CHECKED ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    record.Extra.AlwaysUseDriverSetting = IsDlgButtonChecked(page, IDC_LAYOUT_ALWAYS_USE_DRIVER) == BST_CHECKED;
    EndValidatedApply(page, context, ReadCopiesField(page, &record) != 0);
}

INT_PTR CALLBACK LayoutPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case WM_COMMAND:
        // Orientation and the flag are read only on apply.
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
