#include "counting_gdi_calls.h"

#include "imaging/preview_gdi_calls_win32.h"

namespace {

GdiLedger TheLedger;
FailingCall TheFailingCall = FailingCall::None;

HDC WINAPI CountingGetDC(HWND window)
{
    if (TheFailingCall == FailingCall::GetDC)
        return nullptr;
    HDC dc = GetDC(window);
    if (dc != nullptr)
        ++TheLedger.dcsTaken;
    return dc;
}

int WINAPI CountingReleaseDC(HWND window, HDC dc)
{
    const int released = ReleaseDC(window, dc);
    if (released != 0)
        ++TheLedger.dcsReleased;
    return released;
}

HGLOBAL WINAPI CountingGlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (TheFailingCall == FailingCall::GlobalAlloc)
        return nullptr;
    HGLOBAL block = GlobalAlloc(flags, bytes);
    if (block != nullptr)
        ++TheLedger.blocksTaken;
    return block;
}

HGLOBAL WINAPI CountingGlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags)
{
    if (TheFailingCall == FailingCall::GlobalReAlloc)
        return nullptr;
    HGLOBAL grown = GlobalReAlloc(block, bytes, flags);
    if (grown != nullptr && grown != block) {
        ++TheLedger.blocksFreed;
        ++TheLedger.blocksTaken;
    }
    return grown;
}

HGLOBAL WINAPI CountingGlobalFree(HGLOBAL block)
{
    HGLOBAL left = GlobalFree(block);
    if (left == nullptr)
        ++TheLedger.blocksFreed;
    return left;
}

int WINAPI CountingGetDIBits(HDC dc, HBITMAP bitmap, UINT firstLine, UINT lines, LPVOID bits,
                             LPBITMAPINFO info, UINT usage)
{
    const int call = ++TheLedger.getDIBitsCalls;
    if (call == 1 && TheFailingCall == FailingCall::FirstGetDIBits)
        return 0;
    if (call == 2 && TheFailingCall == FailingCall::SecondGetDIBits)
        return 0;
    return GetDIBits(dc, bitmap, firstLine, lines, bits, info, usage);
}

HBITMAP WINAPI CountingCreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                                      const BITMAPINFO* info, UINT usage)
{
    if (TheFailingCall == FailingCall::CreateDIBitmap)
        return nullptr;
    return CreateDIBitmap(dc, header, init, bits, info, usage);
}

const PreviewGdiCalls CountingCalls = {
    &CountingGetDC,      &CountingReleaseDC, &CountingGlobalAlloc,    &CountingGlobalReAlloc,
    &CountingGlobalFree, &CountingGetDIBits, &CountingCreateDIBitmap,
};

}  // namespace

const char* FailingCallName(FailingCall call)
{
    switch (call) {
    case FailingCall::None:
        return "None";
    case FailingCall::GetDC:
        return "GetDC";
    case FailingCall::GlobalAlloc:
        return "GlobalAlloc";
    case FailingCall::FirstGetDIBits:
        return "FirstGetDIBits";
    case FailingCall::GlobalReAlloc:
        return "GlobalReAlloc";
    case FailingCall::SecondGetDIBits:
        return "SecondGetDIBits";
    case FailingCall::CreateDIBitmap:
        return "CreateDIBitmap";
    }
    return "Unknown";
}

CountingGdiCalls::CountingGdiCalls(FailingCall failing)
{
    TheLedger = GdiLedger{};
    TheFailingCall = failing;
    SetPreviewGdiCalls(&CountingCalls);
}

CountingGdiCalls::~CountingGdiCalls()
{
    SetPreviewGdiCalls(nullptr);
    TheFailingCall = FailingCall::None;
}

const GdiLedger& CountingGdiCalls::Ledger() const
{
    return TheLedger;
}
