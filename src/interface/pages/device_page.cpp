/*
 * The Device page of the printer's properties: the driver's version and the
 * hardware options the printer has, which every later sheet reads into its
 * PrinterOptions.
 */
#include "pages/device_model.h"
#include "pages/dialog_controls.h"
#include "pages/driver_version.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

namespace {

/* Initialisation: the version text and the two option boxes. */
void ShowDeviceOptions(HWND page, const SheetContext* context)
{
    wchar_t version[VersionTextCapacity];
    ReadDriverVersionText(version);
    SetDlgItemTextW(page, IDC_DEVICE_VERSION, version);
    if (context == nullptr)
        return;
    const DeviceChoice choice = DeviceChoiceFromOptions(context->PrinterOptions);
    SetChecked(page, IDC_DEVICE_PULLBACK_INSTALLED, choice.PullbackInstalled);
    SetChecked(page, IDC_DEVICE_CUTTER_CONNECTED, choice.CutterConnected);
}

/* Apply: the boxes into the context's PrinterOptions, then into the
 * printer's data. */
void StoreDeviceOptions(HWND page, SheetContext* context)
{
    if (context == nullptr)
        return;
    const DeviceChoice choice = {IsChecked(page, IDC_DEVICE_PULLBACK_INSTALLED),
                                 IsChecked(page, IDC_DEVICE_CUTTER_CONNECTED)};
    StoreDeviceChoice(choice, &context->PrinterOptions);
    // A refused write is not the user's to fix here: the printer keeps what
    // it had, and the next sheet shows that.
    WriteDeviceOptions(context->PrinterHandle, &context->PrinterOptions);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    ShowDeviceOptions(page, AttachPageContext(page, lParam));
    return TRUE;
}

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    switch (code) {
    case PSN_APPLY:
        // The options belong to the printer, not to a document: the host
        // hears no result.
        StoreDeviceOptions(page, context);
        SetPageResult(page, PageMayLeave);
        return TRUE;
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

INT_PTR CALLBACK DevicePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case WM_COMMAND:
        // The boxes keep their own state until apply reads them.
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
