/*
 * The picture controls of a page (the logo strip, the printer picture, the
 * Halftone page's icon): fitted to the frames their dialog template gives
 * them, so that they grow with the dialog on a screen of more than the
 * base dpi and stay exactly as drawn at the base dpi.
 */
#ifndef PDR_PAGES_PAGE_PICTURES_H
#define PDR_PAGES_PAGE_PICTURES_H

#include <windows.h>

/* At WM_INITDIALOG: every bitmap or icon static control of the page shows
 * its picture at the size PlacePicture gives it in the control's template
 * rectangle.  Every bitmap a control shows, the template's or a stretched
 * one, and every stretched icon is the page's and is released once, with
 * its control; the templates' icons are shared and stay the platform's. */
void FitPagePictures(HWND page);

#endif
