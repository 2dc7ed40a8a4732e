// The platform calls of the preview conversion that can fail or that take something which
// must be given back. Production uses the platform's own; tests put wrappers in their place
// to make a step fail and to count what was taken and returned.
#pragma once

#include <windows.h>

struct PreviewGdiCalls {
    HDC(WINAPI* getDC)(HWND window);
    int(WINAPI* releaseDC)(HWND window, HDC dc);
    HGLOBAL(WINAPI* globalAlloc)(UINT flags, SIZE_T bytes);
    HGLOBAL(WINAPI* globalReAlloc)(HGLOBAL block, SIZE_T bytes, UINT flags);
    HGLOBAL(WINAPI* globalFree)(HGLOBAL block);
    int(WINAPI* getDIBits)(HDC dc, HBITMAP bitmap, UINT firstLine, UINT lines, LPVOID bits, LPBITMAPINFO info,
                           UINT usage);
    HBITMAP(WINAPI* createDIBitmap)
    (HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
     UINT usage);
};

// The calls in use; the platform's unless a test replaced them.
const PreviewGdiCalls& CurrentPreviewGdiCalls();

// Replaces the calls for tests; nullptr goes back to the platform's. Not for use while a
// conversion runs on another thread.
void SetPreviewGdiCalls(const PreviewGdiCalls* calls);
