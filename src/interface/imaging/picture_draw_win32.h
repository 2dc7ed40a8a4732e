// Drawing pictures at the screen's dpi: a bitmap placed in its frame by PlacePicture, and
// stretched copies of bitmaps and icons for the pages' picture controls.
#pragma once

#include <windows.h>

#include "imaging/picture_scale.h"

inline PictureBox BoxOfRect(const RECT& rect)
{
    return PictureBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline RECT RectOfBox(const PictureBox& box)
{
    return RECT{box.Left, box.Top, box.Left + box.Width, box.Top + box.Height};
}

// The horizontal dots per inch of a device context, or of the window's.
int DeviceDpi(HDC dc);
int WindowDpi(HWND window);

// Draws picture into target at its place in frame (target coordinates) for the target's dpi
// and returns the box it covers; an empty box when the picture has no size.
PictureBox DrawPictureInFrame(HDC target, HBITMAP picture, const PictureBox& frame, PictureKind kind);

// Copies the source area into the target box, 1:1 or stretched as asked; the target's stretch
// mode and brush origin are left as they were.
void CopyPicturePixels(HDC target, const PictureBox& box, HDC source, int sourceWidth, int sourceHeight,
                       PictureStretch stretch);

// A new screen-compatible bitmap of picture stretched to width x height, or none.
HBITMAP StretchedBitmap(HBITMAP picture, int width, int height, PictureStretch stretch);

// A new icon of icon's colour and mask stretched to width x height, or none.
HICON StretchedIcon(HICON icon, int width, int height);

// The pixel size of a bitmap or icon; false when it cannot be read.
bool BitmapSize(HBITMAP picture, SIZE* size);
bool IconSize(HICON icon, SIZE* size);
