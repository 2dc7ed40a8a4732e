#include "pages/device_page.h"

#include "pages/driver_version.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"
#include "sheet_context/spooler_calls.h"

namespace {

UINT CheckStateOf(uint32_t installed)
{
    return installed == 1 ? BST_CHECKED : BST_UNCHECKED;
}

uint32_t InstalledFrom(HWND page, int checkBoxId)
{
    return IsDlgButtonChecked(page, checkBoxId) == BST_CHECKED ? 1 : 0;
}

DWORD WriteInstalledOption(HANDLE printer, const wchar_t* valueName, uint32_t installed)
{
    DWORD value = installed;
    return Spooler().SetPrinterData(printer, const_cast<LPWSTR>(valueName), REG_DWORD,
                                    reinterpret_cast<LPBYTE>(&value), sizeof(value));
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
        // hears no result, and a refused write is not the user's to fix here.
        StoreDeviceOptions(page, context);
        SetPageResult(page, PageMayLeave);
        return TRUE;
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

void ShowDeviceOptions(HWND page, const SheetContext* context)
{
    wchar_t version[VersionTextCapacity];
    ReadDriverVersionText(version);
    SetDlgItemTextW(page, IDC_DEVICE_VERSION, version);
    if (context == nullptr)
        return;
    CheckDlgButton(page, IDC_DEVICE_PULLBACK_INSTALLED, CheckStateOf(context->PrinterOptions.Pullback));
    CheckDlgButton(page, IDC_DEVICE_CUTTER_CONNECTED, CheckStateOf(context->PrinterOptions.Cutter));
}

int WriteDeviceOptions(HANDLE printer, const PrinterOptions* options)
{
    // "Cutter" follows "Pullback" only: a printer whose data refused the
    // first value keeps both as they were rather than half of a change.
    if (WriteInstalledOption(printer, L"Pullback", options->Pullback) != ERROR_SUCCESS)
        return 0;
    return WriteInstalledOption(printer, L"Cutter", options->Cutter) == ERROR_SUCCESS ? 1 : 0;
}

void StoreDeviceOptions(HWND page, SheetContext* context)
{
    if (context == nullptr)
        return;
    context->PrinterOptions.Pullback = InstalledFrom(page, IDC_DEVICE_PULLBACK_INSTALLED);
    context->PrinterOptions.Cutter = InstalledFrom(page, IDC_DEVICE_CUTTER_CONNECTED);
    WriteDeviceOptions(context->PrinterHandle, &context->PrinterOptions);
}

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
