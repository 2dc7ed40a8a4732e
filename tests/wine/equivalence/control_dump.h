/*
 * What a window shows of its controls, as record lines: for each child in
 * the order of its dialog template its id, class, text, whether it is
 * visible and enabled, and what its kind holds (check state, scroll
 * position and range, list items and selection, spin position and range).
 */
#ifndef PDR_EQUIVALENCE_CONTROL_DUMP_H
#define PDR_EQUIVALENCE_CONTROL_DUMP_H

#include <windows.h>

#include <string>

#include "observation_log.h"

std::string DescribeControl(HWND control);

/* One line per direct child of `window`; children of the dialog class
 * (property pages inside a sheet) are left to their own dump. */
void RecordControls(ObservationLog& log, HWND window);

/* A window's own text. */
std::wstring WindowText(HWND window);

#endif
