#include "pages/template_page.h"

#include "pages/page_frame.h"

namespace {

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    if (code != PSN_KILLACTIVE)
        return AnswerUncheckedNotify(page, context, code);
    SetPageResult(page, PageMayLeave);
    return TRUE;
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
