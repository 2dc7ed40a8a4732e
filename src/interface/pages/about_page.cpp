#include "pages/driver_version.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

namespace {

INT_PTR OnInitDialog(HWND page)
{
    FitPagePictures(page);
    wchar_t version[VersionTextCapacity];
    ReadDriverVersionText(version);
    SetDlgItemTextW(page, IDC_ABOUT_VERSION, version);
    return TRUE;
}

}  // namespace

/* The page only shows; it keeps no context and takes no part in apply or
 * cancel, so the document pages alone decide the sheet's result. */
INT_PTR CALLBACK AboutPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? OnInitDialog(page) : FALSE;
}
