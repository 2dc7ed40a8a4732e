/* Pictures of windows as the screen shows them (GetWindowDC and BitBlt,
 * which work headless), and the boxes that pictures cover in them. */
#ifndef PDR_TESTS_PAGE_CAPTURE_H
#define PDR_TESTS_PAGE_CAPTURE_H

#include <windows.h>

#include <vector>

struct Capture {
    int Width = 0;
    int Height = 0;
    std::vector<DWORD> Pixels; /* 0x00RRGGBB, top row first */
    DWORD At(int x, int y) const
    {
        return Pixels[static_cast<size_t>(y) * Width + x];
    }
};

/* The whole window, non-client area included, as it is painted now. */
Capture CaptureWindow(HWND window);

/* The `width` x `height` area of a device context from (x, y). */
Capture CaptureDcArea(HDC source, int x, int y, int width, int height);

/* A bitmap's own pixels. */
Capture CaptureBitmap(HBITMAP bitmap);

/* Writes a 24-bit BMP; false when it could not be written. */
bool SaveCapture(const Capture& capture, const wchar_t* path);

/* The smallest rectangle of `area` holding every pixel that differs from
 * `background` (or, with `other`, from the other capture); empty when none. */
RECT BoundsOfDifferences(const Capture& capture, RECT area, DWORD background);
RECT BoundsOfChanges(const Capture& before, const Capture& after, RECT area);

/* Whether `part` of the capture holds exactly the picture's pixels with the
 * picture's top-left corner at `part`'s. */
bool ShowsExactly(const Capture& capture, POINT at, const Capture& picture);

#endif
