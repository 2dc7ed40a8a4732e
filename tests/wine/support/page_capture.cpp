#include "page_capture.h"

#include <stdio.h>

namespace {

RECT ClippedTo(const Capture& capture, RECT area)
{
    RECT whole = {0, 0, capture.Width, capture.Height};
    RECT clipped;
    if (!IntersectRect(&clipped, &area, &whole))
        SetRectEmpty(&clipped);
    return clipped;
}

template <typename Differs>
RECT BoundsWhere(const Capture& capture, RECT area, Differs differs)
{
    area = ClippedTo(capture, area);
    RECT bounds = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!differs(x, y))
                continue;
            bounds.left = x < bounds.left ? x : bounds.left;
            bounds.top = y < bounds.top ? y : bounds.top;
            bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
            bounds.bottom = y + 1 > bounds.bottom ? y + 1 : bounds.bottom;
        }
    }
    if (bounds.left >= bounds.right)
        SetRectEmpty(&bounds);
    return bounds;
}

}  // namespace

Capture CaptureDcArea(HDC source, int x, int y, int width, int height)
{
    Capture capture;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (target == nullptr)
        return capture;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, target);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    capture.Width = width;
    capture.Height = height;
    capture.Pixels.assign(pixels, pixels + static_cast<size_t>(width) * height);
    for (DWORD& pixel : capture.Pixels)
        pixel &= 0x00FFFFFF;
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(target);
    return capture;
}

Capture CaptureWindow(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    HDC dc = GetWindowDC(window);
    Capture capture = CaptureDcArea(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    ReleaseDC(window, dc);
    return capture;
}

Capture CaptureBitmap(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    Capture capture = CaptureDcArea(memory, 0, 0, info.bmWidth, info.bmHeight);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return capture;
}

bool SaveCapture(const Capture& capture, const wchar_t* path)
{
    const int stride = (capture.Width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = capture.Width;
    header.biHeight = capture.Height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + stride * capture.Height;
    std::vector<unsigned char> rows(static_cast<size_t>(stride) * capture.Height, 0);
    for (int y = 0; y < capture.Height; ++y) {
        unsigned char* row = &rows[static_cast<size_t>(capture.Height - 1 - y) * stride];
        for (int x = 0; x < capture.Width; ++x) {
            const DWORD pixel = capture.At(x, y);
            row[3 * x] = pixel & 0xFF;
            row[3 * x + 1] = (pixel >> 8) & 0xFF;
            row[3 * x + 2] = (pixel >> 16) & 0xFF;
        }
    }
    FILE* out = _wfopen(path, L"wb");
    if (out == nullptr)
        return false;
    bool written = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&header, sizeof(header), 1, out) == 1 &&
                   fwrite(rows.data(), rows.size(), 1, out) == 1;
    return fclose(out) == 0 && written;
}

RECT BoundsOfDifferences(const Capture& capture, RECT area, DWORD background)
{
    return BoundsWhere(capture, area, [&](int x, int y) { return capture.At(x, y) != background; });
}

RECT BoundsOfChanges(const Capture& before, const Capture& after, RECT area)
{
    return BoundsWhere(after, area, [&](int x, int y) {
        return x < before.Width && y < before.Height && before.At(x, y) != after.At(x, y);
    });
}

bool ShowsExactly(const Capture& capture, POINT at, const Capture& picture)
{
    if (picture.Width == 0 || at.x < 0 || at.y < 0 || at.x + picture.Width > capture.Width ||
        at.y + picture.Height > capture.Height)
        return false;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (capture.At(at.x + x, at.y + y) != picture.At(x, y))
                return false;
    return true;
}
