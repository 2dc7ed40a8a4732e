/*
 * The Manage Labels dialog: the one editor of the label catalogue.  It works
 * on a copy that it loads when it opens and writes back at OK.
 */
#ifndef PDR_PAGES_MANAGE_LABELS_DIALOG_H
#define PDR_PAGES_MANAGE_LABELS_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK ManageLabelsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* Runs the dialog modally over `owner`: 1 when the catalogue was saved,
 * 2 when the dialog was cancelled (or could not start). */
INT_PTR RunManageLabelsDialog(HWND owner);

#endif
