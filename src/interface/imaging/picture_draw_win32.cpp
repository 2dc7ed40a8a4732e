#include "imaging/picture_draw_win32.h"

int DeviceDpi(HDC dc)
{
    return dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : BaseDpi;
}

int WindowDpi(HWND window)
{
    HDC dc = GetDC(window);
    const int dpi = DeviceDpi(dc);
    if (dc != nullptr)
        ReleaseDC(window, dc);
    return dpi;
}

bool BitmapSize(HBITMAP picture, SIZE* size)
{
    BITMAP info;
    if (picture == nullptr || GetObjectW(picture, sizeof(info), &info) == 0)
        return false;
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    return true;
}

bool IconSize(HICON icon, SIZE* size)
{
    ICONINFO parts;
    if (icon == nullptr || !GetIconInfo(icon, &parts))
        return false;
    SIZE maskSize = {0, 0};
    bool known = false;
    if (parts.hbmColor != nullptr) {
        known = BitmapSize(parts.hbmColor, size);
    } else if (BitmapSize(parts.hbmMask, &maskSize)) {
        // A monochrome icon keeps its AND and XOR masks one above the other.
        *size = SIZE{maskSize.cx, maskSize.cy / 2};
        known = true;
    }
    if (parts.hbmColor != nullptr)
        DeleteObject(parts.hbmColor);
    if (parts.hbmMask != nullptr)
        DeleteObject(parts.hbmMask);
    return known;
}

void CopyPicturePixels(HDC target, const PictureBox& box, HDC source, int sourceWidth, int sourceHeight,
                       PictureStretch stretch)
{
    if (stretch == PictureCopied) {
        BitBlt(target, box.Left, box.Top, sourceWidth, sourceHeight, source, 0, 0, SRCCOPY);
        return;
    }
    const int previousMode = SetStretchBltMode(target, stretch == PictureSmoothed ? HALFTONE : COLORONCOLOR);
    // HALFTONE mode needs the brush origin set after the mode.
    POINT previousOrigin = {0, 0};
    SetBrushOrgEx(target, 0, 0, &previousOrigin);
    StretchBlt(target, box.Left, box.Top, box.Width, box.Height, source, 0, 0, sourceWidth, sourceHeight,
               SRCCOPY);
    SetBrushOrgEx(target, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode != 0)
        SetStretchBltMode(target, previousMode);
}

PictureBox DrawPictureInFrame(HDC target, HBITMAP picture, const PictureBox& frame, PictureKind kind)
{
    SIZE size;
    if (target == nullptr || !BitmapSize(picture, &size))
        return PictureBox{frame.Left, frame.Top, 0, 0};
    const PicturePlacement placement = PlacePicture(frame, size.cx, size.cy, DeviceDpi(target), kind);
    HDC source = CreateCompatibleDC(target);
    if (source == nullptr)
        return PictureBox{frame.Left, frame.Top, 0, 0};
    HGDIOBJ previous = SelectObject(source, picture);
    CopyPicturePixels(target, placement.Target, source, size.cx, size.cy, placement.Stretch);
    SelectObject(source, previous);
    DeleteDC(source);
    return placement.Target;
}

namespace {

/* A new bitmap of the screen's format with `source` (selected into a
 * memory DC) drawn into it at width x height. */
HBITMAP StretchedFromDc(HDC source, int sourceWidth, int sourceHeight, int width, int height,
                        PictureStretch stretch, bool monochrome)
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return nullptr;
    HBITMAP result = monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                                : CreateCompatibleBitmap(screen, width, height);
    HDC target = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (result == nullptr || target == nullptr) {
        if (result != nullptr)
            DeleteObject(result);
        if (target != nullptr)
            DeleteDC(target);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(target, result);
    CopyPicturePixels(target, PictureBox{0, 0, width, height}, source, sourceWidth, sourceHeight, stretch);
    SelectObject(target, previous);
    DeleteDC(target);
    return result;
}

HBITMAP StretchedPart(HBITMAP part, int width, int height, PictureStretch stretch, bool monochrome)
{
    SIZE size;
    if (!BitmapSize(part, &size))
        return nullptr;
    HDC source = CreateCompatibleDC(nullptr);
    if (source == nullptr)
        return nullptr;
    HGDIOBJ previous = SelectObject(source, part);
    HBITMAP result = StretchedFromDc(source, size.cx, size.cy, width, height, stretch, monochrome);
    SelectObject(source, previous);
    DeleteDC(source);
    return result;
}

}  // namespace

HBITMAP StretchedBitmap(HBITMAP picture, int width, int height, PictureStretch stretch)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    return StretchedPart(picture, width, height, stretch, false);
}

HICON StretchedIcon(HICON icon, int width, int height)
{
    ICONINFO parts;
    if (icon == nullptr || width <= 0 || height <= 0 || !GetIconInfo(icon, &parts))
        return nullptr;
    HICON result = nullptr;
    // Only colour icons are stretched; the mask keeps hard edges so that
    // the page's background shows through exactly where it did.
    if (parts.hbmColor != nullptr) {
        ICONINFO stretched = parts;
        stretched.hbmColor = StretchedPart(parts.hbmColor, width, height, PictureSmoothed, false);
        stretched.hbmMask = StretchedPart(parts.hbmMask, width, height, PictureBlocky, true);
        if (stretched.hbmColor != nullptr && stretched.hbmMask != nullptr)
            result = CreateIconIndirect(&stretched);
        if (stretched.hbmColor != nullptr)
            DeleteObject(stretched.hbmColor);
        if (stretched.hbmMask != nullptr)
            DeleteObject(stretched.hbmMask);
        DeleteObject(parts.hbmColor);
    }
    if (parts.hbmMask != nullptr)
        DeleteObject(parts.hbmMask);
    return result;
}
