#include "pages/template_page.h"

#include "pages/page_frame.h"

namespace {

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    switch (NotificationCode(lParam)) {
    case PSN_RESET:
        CancelPage(page, context);
        return TRUE;
    case PSN_KILLACTIVE:
        SetPageResult(page, PageMayLeave);
        return TRUE;
    case PSN_APPLY:
        FinishPageApply(page, context);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK TemplatePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        AttachPageContext(page, lParam);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
