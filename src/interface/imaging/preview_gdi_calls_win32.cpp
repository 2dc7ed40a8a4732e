#include "imaging/preview_gdi_calls_win32.h"

namespace {

const PreviewGdiCalls PlatformCalls = {
    &GetDC, &ReleaseDC, &GlobalAlloc, &GlobalReAlloc, &GlobalFree, &GetDIBits, &CreateDIBitmap,
};

const PreviewGdiCalls* ActiveCalls = &PlatformCalls;

}  // namespace

const PreviewGdiCalls& CurrentPreviewGdiCalls()
{
    return *ActiveCalls;
}

void SetPreviewGdiCalls(const PreviewGdiCalls* calls)
{
    ActiveCalls = calls != nullptr ? calls : &PlatformCalls;
}
