/* The Layout page's steps, callable on their own by the page's tests. */
#ifndef PDR_PAGES_LAYOUT_PAGE_STEPS_H
#define PDR_PAGES_LAYOUT_PAGE_STEPS_H

#include "sheet_context/sheet_context.h"

enum : int { MinCopies = 1, MaxCopies = 25000 };

/* The count the copies edit opens with: the driver's own count when the
 * record says to always use it, else the public one. */
int CopiesToShow(const DriverDevMode& record);

/* "Invalid Number of Copies", a line feed, then "Valid range: 1 - 25000";
 * each piece is cut to what is left of the buffer. */
void FormatCopiesError(wchar_t* body, int capacity);

void ShowLayoutSettings(HWND page, const DriverDevMode& record);

/* Stores a valid count into both copy fields and returns 1; otherwise tells
 * the user, stores nothing and returns 0. */
int ReadCopiesField(HWND page, DriverDevMode* record);

/* Orientation and the flag are stored before the count is tested, so they
 * reach the working record even when the apply is refused. */
void ApplyLayoutPage(HWND page, SheetContext* context);

#endif
