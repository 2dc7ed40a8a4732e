/*
 * What every page of the two sheets does alike: finding its sheet context,
 * the tails of apply and cancel, the dialog's message result, and the error
 * message box.
 */
#ifndef PDR_PAGES_PAGE_FRAME_H
#define PDR_PAGES_PAGE_FRAME_H

#include "sheet_context/sheet_context.h"

/* Dialog message results of a notification. */
enum : LONG_PTR { PageStays = PSNRET_INVALID_NOCHANGEPAGE, PageMayLeave = PSNRET_NOERROR };

/* At WM_INITDIALOG: takes the context from the page description and keeps it
 * in the window's user-data slot. */
SheetContext* AttachPageContext(HWND page, LPARAM initParam);

/* The context kept at initialisation, or null before it. */
SheetContext* PageContext(HWND page);

void SetPageResult(HWND page, LONG_PTR result);

/* Tells the sheet host the result of the sheet (1 OK, 2 cancelled). */
void ReportSheetResult(SheetContext* context, LRESULT result);

/* The end of a successful apply: the caller's output record gets the working
 * record (when there is one and the caller allows changes), the host hears
 * result 1, and the page may close. */
void FinishPageApply(HWND page, SheetContext* context);

/* An apply whose check failed: the sheet stays on the page. */
void RefusePageApply(HWND page);

/* The end of an apply that checked the page: FinishPageApply when the page
 * was `valid`, RefusePageApply otherwise. */
void EndValidatedApply(HWND page, SheetContext* context, bool valid);

/* The end of a PSN_KILLACTIVE that checked the page: the sheet may leave it
 * only when it was `valid`. */
void EndValidatedLeave(HWND page, bool valid);

/* A notification a page has no step of its own for: PSN_RESET cancels, and
 * every one is answered as handled (TRUE). */
INT_PTR AnswerCommonNotify(HWND page, SheetContext* context, UINT code);

/* The notifications of a page with nothing to check: PSN_RESET cancels,
 * PSN_APPLY ends as FinishPageApply; any other is left to the dialog's
 * default processing (FALSE). */
INT_PTR AnswerUncheckedNotify(HWND page, SheetContext* context, UINT code);

/*
 * The sheet's sibling query (PSM_QUERYSIBLINGS) with this wParam asks every
 * page already created to show its choice from the working record again,
 * after a page changed fields of the record that other pages show (the
 * Label page, when a picked stock brings its settings).  Pages not yet
 * created read the record when they open.
 */
constexpr WPARAM ShowWorkingRecordQuery = 0x50445231;

/* Sends that query through `page`'s sheet. */
void AskPagesToShowWorkingRecord(HWND page);

/* How a page answers the sibling query: 0, so that the sheet goes on to ask
 * the next page. */
INT_PTR AnswerSiblingQuery(HWND page);

/* PSN_RESET: the host hears result 2. */
void CancelPage(HWND page, SheetContext* context);

/* One modal error box owned by the page: caption string "Error", error icon,
 * OK only. */
void ShowPageError(HWND owner, const wchar_t* body);

/* The range error of the head and cut edits: the message string, a line
 * feed, then "Valid: " low " to " high, as one message box. */
void ShowValidRangeError(HWND owner, int messageId, int low, int high);

/* A string of the library's string table, cut to the buffer. */
void LoadPageString(int id, wchar_t* buffer, int capacity);

/* The notification code of a WM_NOTIFY, 0 for none. */
UINT NotificationCode(LPARAM lParam);

#endif
