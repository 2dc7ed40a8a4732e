/*
 * The Layout page: orientation, the number of copies, and whether the
 * driver's own copy count is the one the page shows.
 */
#include "pages/dialog_controls.h"
#include "pages/layout_model.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace {

/* Wide characters of the copies error's body and of each string in it. */
const int CopiesErrorCapacity = 256;

void ShowLayoutSettings(HWND page, const DriverDevMode& record)
{
    const LayoutChoice choice = LayoutChoiceFromRecord(record);
    CheckOneOfTwo(page, IDC_LAYOUT_PORTRAIT, IDC_LAYOUT_LANDSCAPE, choice.Landscape);
    SetChecked(page, IDC_LAYOUT_ALWAYS_USE_DRIVER, choice.AlwaysUseDriverSetting);
    SetSpinRange(page, IDC_LAYOUT_COPIES_SPIN, CopiesRange);
    WriteEditInteger(page, IDC_LAYOUT_COPIES, choice.Copies);
    SendDlgItemMessageW(page, IDC_LAYOUT_COPIES_SPIN, UDM_SETPOS32, 0, choice.Copies);
}

void ShowCopiesError(HWND page)
{
    wchar_t invalidCopies[CopiesErrorCapacity];
    wchar_t validRange[CopiesErrorCapacity];
    LoadPageString(IDS_INVALID_COPIES, invalidCopies, CopiesErrorCapacity);
    LoadPageString(IDS_VALID_RANGE, validRange, CopiesErrorCapacity);
    wchar_t body[CopiesErrorCapacity];
    FormatCopiesError(body, CopiesErrorCapacity, invalidCopies, validRange);
    ShowPageError(page, body);
}

/* Stores a valid count into both copy fields and returns true; otherwise
 * tells the user, stores nothing, leaves the focus where it is and returns
 * false. */
bool ReadCopiesField(HWND page, DriverDevMode* record)
{
    if (StoreValidCopies(ReadEditInteger(page, IDC_LAYOUT_COPIES), record))
        return true;
    ShowCopiesError(page);
    return false;
}

/* Orientation and the flag are stored before the count is tested, so they
 * reach the working record even when the apply is refused. */
void ApplyLayoutPage(HWND page, SheetContext* context)
{
    DriverDevMode& record = context->WorkingDevMode;
    StoreOrientationAndFlag(IsChecked(page, IDC_LAYOUT_LANDSCAPE),
                            IsChecked(page, IDC_LAYOUT_ALWAYS_USE_DRIVER), &record);
    EndValidatedApply(page, context, ReadCopiesField(page, &record));
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
            EndValidatedLeave(page, ReadCopiesField(page, &context->WorkingDevMode));
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
