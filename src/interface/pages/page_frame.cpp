#include "pages/page_frame.h"

#include "resources/module_instance.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "text/bounded_text.h"

SheetContext* AttachPageContext(HWND page, LPARAM initParam)
{
    const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(initParam);
    auto* context = description != nullptr ? reinterpret_cast<SheetContext*>(description->lParam) : nullptr;
    SetWindowLongPtrW(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context));
    return context;
}

SheetContext* PageContext(HWND page)
{
    return reinterpret_cast<SheetContext*>(GetWindowLongPtrW(page, GWLP_USERDATA));
}

void SetPageResult(HWND page, LONG_PTR result)
{
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
}

void ReportSheetResult(SheetContext* context, LRESULT result)
{
    if (context != nullptr && context->HostCallback != nullptr)
        context->HostCallback(context->HostHandle, CPSFUNC_SET_RESULT, 0, result);
}

void FinishPageApply(HWND page, SheetContext* context)
{
    if (context != nullptr && context->CallerDevModeOut != nullptr &&
        (context->CallerMode & DM_NOPERMISSION) == 0)
        CopyDevModeOut(&context->WorkingDevMode, context->CallerDevModeIn, context->CallerDevModeOut);
    ReportSheetResult(context, CPSUI_OK);
    SetPageResult(page, PageMayLeave);
}

void RefusePageApply(HWND page)
{
    SetPageResult(page, PageStays);
}

void EndValidatedApply(HWND page, SheetContext* context, bool valid)
{
    if (valid)
        FinishPageApply(page, context);
    else
        RefusePageApply(page);
}

void EndValidatedLeave(HWND page, bool valid)
{
    SetPageResult(page, valid ? PageMayLeave : PageStays);
}

void CancelPage(HWND page, SheetContext* context)
{
    ReportSheetResult(context, 2);
    SetPageResult(page, PageMayLeave);
}

INT_PTR AnswerCommonNotify(HWND page, SheetContext* context, UINT code)
{
    if (code == PSN_RESET)
        CancelPage(page, context);
    return TRUE;
}

INT_PTR AnswerUncheckedNotify(HWND page, SheetContext* context, UINT code)
{
    switch (code) {
    case PSN_RESET:
        CancelPage(page, context);
        return TRUE;
    case PSN_APPLY:
        FinishPageApply(page, context);
        return TRUE;
    default:
        return FALSE;
    }
}

void AskPagesToShowWorkingRecord(HWND page)
{
    HWND sheet = GetParent(page);
    if (sheet != nullptr)
        SendMessageW(sheet, PSM_QUERYSIBLINGS, ShowWorkingRecordQuery, 0);
}

INT_PTR AnswerSiblingQuery(HWND page)
{
    SetPageResult(page, 0);
    return TRUE;
}

void LoadPageString(int id, wchar_t* buffer, int capacity)
{
    if (LoadStringW(ModuleInstance(), id, buffer, capacity) <= 0)
        buffer[0] = 0;
}

void ShowPageError(HWND owner, const wchar_t* body)
{
    wchar_t caption[32];
    LoadPageString(IDS_ERROR_CAPTION, caption, 32);
    MessageBoxW(owner, body, caption, MB_OK | MB_ICONERROR);
}

UINT NotificationCode(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return header != nullptr ? header->code : 0;
}

namespace {

void AppendNumberCutToFit(wchar_t* body, size_t capacity, int number)
{
    wchar_t digits[16] = {};
    AppendFormatBounded(digits, 16, "%d", number);
    AppendCutToFit(body, capacity, digits);
}

}  // namespace

void ShowValidRangeError(HWND owner, int messageId, int low, int high)
{
    wchar_t message[256];
    wchar_t valid[32];
    wchar_t to[32];
    LoadPageString(messageId, message, 256);
    LoadPageString(IDS_VALID_PREFIX, valid, 32);
    LoadPageString(IDS_VALID_TO, to, 32);
    // Long translations are cut to the body's buffer, never past it.
    wchar_t body[256];
    CutTextToFit(body, 256, message);
    AppendCutToFit(body, 256, L"\n");
    AppendCutToFit(body, 256, valid);
    AppendNumberCutToFit(body, 256, low);
    AppendCutToFit(body, 256, to);
    AppendNumberCutToFit(body, 256, high);
    ShowPageError(owner, body);
}
