/* A page that shows its template and follows the common frame only. */
#ifndef PDR_PAGES_TEMPLATE_PAGE_H
#define PDR_PAGES_TEMPLATE_PAGE_H

#include <windows.h>

INT_PTR CALLBACK TemplatePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
