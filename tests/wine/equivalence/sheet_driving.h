/*
 * Steps a user takes on an open sheet or dialog, driven from the
 * recorder's thread through SheetSession, each followed by the record of
 * what it showed: message boxes, the page the sheet stays on, controls.
 */
#ifndef PDR_EQUIVALENCE_SHEET_DRIVING_H
#define PDR_EQUIVALENCE_SHEET_DRIVING_H

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "observation_log.h"
#include "sheet_session.h"

/* Opens a sheet through `entry` and waits for its first page. */
std::unique_ptr<SheetSession> OpenSheet(PFNPROPSHEETUI entry, LPARAM header);

/* The sheet's frame (caption, page titles, its own buttons) and result of
 * the opening call's header. */
void RecordSheetFrame(ObservationLog& log, SheetSession& sheet);
/* Selects a page and returns once the sheet has handled it (the current
 * page may refuse to be left); nothing waits for painting. */
void SelectPageNow(SheetSession& sheet, int index);
void RecordCurrentPage(ObservationLog& log, SheetSession& sheet);
int CurrentPageIndex(SheetSession& sheet);
/* Message boxes caught since the last call, then forgotten. */
void RecordMessageBoxes(ObservationLog& log, SheetSession& sheet);

/* One user step: a line naming it, the step, the boxes it brought and the
 * page the sheet then shows.  Every step sends its messages, so the page
 * has handled it when the step returns. */
void RecordStep(ObservationLog& log, SheetSession& sheet, const std::string& what,
                const std::function<void(SheetSession&)>& action);

/* Chooses a combo box item as a user would, with its notification. */
void ChooseItem(SheetSession& sheet, int comboId, int index);
/* Moves the mouse over the middle of a control of the current page, or
 * to the page's top-left corner, away from every control. */
void MoveMouseOver(SheetSession& sheet, int controlId);
void MoveMouseAway(SheetSession& sheet);

/* Presses OK or Cancel; the sheet either closes or keeps a page with a
 * message box.  Records the boxes, whether it closed, its results. */
void PressAndRecord(ObservationLog& log, SheetSession& sheet, bool ok);
/* Ends a sheet that a scenario left open, with Cancel. */
void CloseIfOpen(ObservationLog& log, SheetSession& sheet);

#endif
