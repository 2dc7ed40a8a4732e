#include "pages/page_pictures.h"

#include <commctrl.h>

#include "imaging/picture_draw_win32.h"

namespace {

const UINT_PTR PagePictureSubclass = 1;

UINT ImageTypeOf(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP;
}

/* A static control frees the picture it loaded from its template when it
 * is destroyed, unless it was ever sent STM_SETIMAGE: from then on the
 * picture it was given and the one it handed back are the application's.
 * Wine's control never frees a bitmap it loaded.  So as the control goes,
 * the page takes the picture out, which makes it the page's on both, and
 * frees what it owns: the picture it put in (`putIn`), and a bitmap handed
 * back in its place, the template's one the page took over or a copy the
 * control made of the page's.  Icons from templates are shared and stay
 * the platform's. */
LRESULT CALLBACK ReleasePagePicture(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR putIn)
{
    if (message == WM_DESTROY) {
        const UINT imageType = ImageTypeOf(control);
        HANDLE own = reinterpret_cast<HANDLE>(putIn);
        HANDLE shown = reinterpret_cast<HANDLE>(SendMessageW(control, STM_SETIMAGE, imageType, 0));
        if (imageType == IMAGE_ICON) {
            if (own != nullptr)
                DestroyIcon(static_cast<HICON>(own));
        } else {
            if (own != nullptr)
                DeleteObject(own);
            if (shown != nullptr && shown != own)
                DeleteObject(shown);
        }
        RemoveWindowSubclass(control, ReleasePagePicture, id);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

/* From here the page frees the control's picture when the control goes;
 * `putIn` is the one the page gave it, or none while it shows the
 * template's. */
void ReleaseWithControl(HWND control, HANDLE putIn)
{
    SetWindowSubclass(control, ReleasePagePicture, PagePictureSubclass, reinterpret_cast<DWORD_PTR>(putIn));
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

/* Shows `picture` in the control and returns the one it showed before. */
HANDLE SetPicture(HWND control, UINT imageType, HANDLE picture)
{
    return reinterpret_cast<HANDLE>(
        SendMessageW(control, STM_SETIMAGE, imageType, reinterpret_cast<LPARAM>(picture)));
}

void FitBitmapControl(HWND control, int dpi)
{
    HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    SIZE size;
    if (!BitmapSize(picture, &size))
        return;
    const PicturePlacement placement =
        PlacePicture(ControlFrame(control), size.cx, size.cy, dpi, PictureArtwork);
    HBITMAP stretched = nullptr;
    if (placement.Stretch != PictureCopied)
        stretched =
            StretchedBitmap(picture, placement.Target.Width, placement.Target.Height, placement.Stretch);
    if (stretched != nullptr) {
        // The template's bitmap comes back to the page, which frees it now.
        HANDLE replaced = SetPicture(control, IMAGE_BITMAP, stretched);
        if (replaced != nullptr)
            DeleteObject(replaced);
    }
    ReleaseWithControl(control, stretched);
    SizeControl(control, placement.Target);
}

void FitIconControl(HWND control, int dpi)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETIMAGE, IMAGE_ICON, 0));
    SIZE size;
    if (!IconSize(icon, &size))
        return;
    const PicturePlacement placement =
        PlacePicture(ControlFrame(control), size.cx, size.cy, dpi, PictureArtwork);
    HICON stretched = nullptr;
    if (placement.Stretch != PictureCopied)
        stretched = StretchedIcon(icon, placement.Target.Width, placement.Target.Height);
    if (stretched != nullptr) {
        // The template's icon it replaces is shared and stays the platform's.
        SetPicture(control, IMAGE_ICON, stretched);
        ReleaseWithControl(control, stretched);
    }
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
