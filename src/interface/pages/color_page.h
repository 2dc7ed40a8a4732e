/*
 * The Color page's work on its own window: reading its choices back from
 * the controls, showing one of the two setup groups, and where things sit
 * on the page.
 */
#ifndef PDR_PAGES_COLOR_PAGE_H
#define PDR_PAGES_COLOR_PAGE_H

#include <windows.h>

#include "pages/color_model.h"
#include "sheet_context/sheet_context.h"

ColorChoice ReadColorControls(HWND page);

/* Shows the mode's group and hides the other.  It requests no repaint:
 * callers that change the mode invalidate the page. */
void LayOutColorPage(HWND page, const ColorChoice& choice);

/* A control's window rectangle relative to the page's own window. */
RECT ControlPageRect(HWND page, int controlId);

/* Where the preview picture is painted: at the hidden frame's top-left
 * corner, with the picture's own size at 96 dpi and filling the frame above
 * that.  Empty when the picture cannot be loaded. */
RECT PreviewRect(HWND page);

/* The channel brushes live while the page is the active one. */
void CreateChannelBrushes(SheetContext* context);
void DeleteChannelBrushes(SheetContext* context);

#endif
