/*
 * The controls of a page or dialog, reached by id: check boxes and radio
 * buttons, groups enabled or shown together, and the number edits with
 * their spin buttons.  Every page reads and writes its controls through
 * these, so a control of a template that lacks it (the German and French
 * Features pages have no pullback mode radios) behaves the same everywhere:
 * it reads as unchecked and ignores what it is told.
 */
#ifndef PDR_PAGES_DIALOG_CONTROLS_H
#define PDR_PAGES_DIALOG_CONTROLS_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

#include "settings/private_field_repairs.h"

/* Only the fully checked state counts. */
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

/* Checks `secondId` when `second`, else `firstId`, and unchecks the other. */
void CheckOneOfTwo(HWND dialog, int firstId, int secondId, bool second);

void EnableControl(HWND dialog, int id, bool enabled);
void EnableControls(HWND dialog, const int* ids, size_t count, bool enabled);
template <size_t Count>
void EnableControls(HWND dialog, const int (&ids)[Count], bool enabled)
{
    EnableControls(dialog, ids, Count, enabled);
}

/* Shows and enables the controls, or hides and disables them. */
void ShowControls(HWND dialog, const int* ids, size_t count, bool shown);
template <size_t Count>
void ShowControls(HWND dialog, const int (&ids)[Count], bool shown)
{
    ShowControls(dialog, ids, Count, shown);
}

/* The leading whole number of an edit's 8-bit text (at most 19 characters):
 * white space, sign, digits; none gives 0; saturates instead of wrapping. */
int ReadEditInteger(HWND dialog, int editId);

/* Writes a whole number into an edit as "%d" renders it. */
void WriteEditInteger(HWND dialog, int editId, int value);

/* Sets the range of an up-down control. */
void SetSpinRange(HWND dialog, int spinId, const FieldRange& range);

/* Reads a number edit and checks it against `range`.  Outside it, the range
 * error of the head and cut edits is shown (ShowValidRangeError with
 * `messageId`), the focus goes to the edit and false comes back with
 * `value` untouched. */
bool ReadRangedEdit(HWND dialog, int editId, const FieldRange& range, int messageId, int32_t* value);

/* Scroll-bar controls (SB_CTL): the position, and setting the range
 * (without redrawing) and then the position (redrawn when `redraw`). */
int ScrollBarPosition(HWND dialog, int scrollBarId);
void SetScrollBar(HWND dialog, int scrollBarId, int low, int high, int position, bool redraw);

#endif
