#include "sheets/sheet_pages.h"
#include "resources/module_instance.h"
#include "sheet_context/spooler_calls.h"

bool AddSheetPage(SheetContext* context, int templateId, DLGPROC procedure, int titleId)
{
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_USETITLE;
    page.hInstance = ModuleInstance();
    page.pszTemplate = MAKEINTRESOURCEW(templateId);
    page.pszTitle = MAKEINTRESOURCEW(titleId);
    page.pfnDlgProc = procedure;
    page.lParam = reinterpret_cast<LPARAM>(context);
    HPROPSHEETPAGE handle = Spooler().CreatePropertySheetPage(&page);
    if (handle == nullptr) {
        DestroySheetContext(context);
        return false;
    }
    context->HostCallback(context->HostHandle, CPSFUNC_ADD_HPROPSHEETPAGE, reinterpret_cast<LPARAM>(handle),
                          0);
    return true;
}
