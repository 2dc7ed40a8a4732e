#include "pages/page_pictures.h"

#include <commctrl.h>

#include "imaging/picture_draw_win32.h"

namespace {

const UINT_PTR FittedPictureSubclass = 1;

/* The stretched picture goes with its control; the one the template loaded
 * was handed back when it was replaced. */
LRESULT CALLBACK ReleaseFittedPicture(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR imageType)
{
    if (message == WM_DESTROY) {
        HANDLE picture = reinterpret_cast<HANDLE>(SendMessageW(control, STM_SETIMAGE, imageType, 0));
        if (picture != nullptr && imageType == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(picture));
        else if (picture != nullptr)
            DeleteObject(picture);
        RemoveWindowSubclass(control, ReleaseFittedPicture, id);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

PictureBox ControlFrame(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return BoxOfRect(rect);
}

void SizeControl(HWND control, const PictureBox& box)
{
    SetWindowPos(control, nullptr, 0, 0, box.Width, box.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* Puts `stretched` into the control in place of its picture; the control
 * keeps the old one when there is no stretched picture. */
void ReplacePicture(HWND control, UINT imageType, HANDLE stretched)
{
    if (stretched == nullptr)
        return;
    HANDLE old = reinterpret_cast<HANDLE>(
        SendMessageW(control, STM_SETIMAGE, imageType, reinterpret_cast<LPARAM>(stretched)));
    // Icons from the template are shared and stay the platform's.
    if (old != nullptr && imageType == IMAGE_BITMAP)
        DeleteObject(old);
    SetWindowSubclass(control, ReleaseFittedPicture, FittedPictureSubclass, imageType);
}

void FitBitmapControl(HWND control, int dpi)
{
    HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    SIZE size;
    if (!BitmapSize(picture, &size))
        return;
    const PicturePlacement placement = PlacePicture(ControlFrame(control), size.cx, size.cy, dpi, PictureArtwork);
    if (placement.Stretch != PictureCopied)
        ReplacePicture(control, IMAGE_BITMAP,
                       StretchedBitmap(picture, placement.Target.Width, placement.Target.Height, placement.Stretch));
    SizeControl(control, placement.Target);
}

void FitIconControl(HWND control, int dpi)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETIMAGE, IMAGE_ICON, 0));
    SIZE size;
    if (!IconSize(icon, &size))
        return;
    const PicturePlacement placement = PlacePicture(ControlFrame(control), size.cx, size.cy, dpi, PictureArtwork);
    if (placement.Stretch != PictureCopied)
        ReplacePicture(control, IMAGE_ICON, StretchedIcon(icon, placement.Target.Width, placement.Target.Height));
    SizeControl(control, placement.Target);
}

bool IsStaticControl(HWND control)
{
    wchar_t name[16];
    return GetClassNameW(control, name, 16) > 0 && lstrcmpiW(name, L"Static") == 0;
}

BOOL CALLBACK FitOnePicture(HWND control, LPARAM dpi)
{
    if (!IsStaticControl(control))
        return TRUE;
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    if (type == SS_BITMAP)
        FitBitmapControl(control, static_cast<int>(dpi));
    else if (type == SS_ICON)
        FitIconControl(control, static_cast<int>(dpi));
    return TRUE;
}

}  // namespace

void FitPagePictures(HWND page)
{
    EnumChildWindows(page, FitOnePicture, static_cast<LPARAM>(WindowDpi(page)));
}
