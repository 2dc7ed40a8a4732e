// Wrappers around the preview conversion's platform calls that keep a ledger of device
// contexts and memory blocks and can make one chosen call fail.
#pragma once

#include <windows.h>

enum class FailingCall {
    None,
    GetDC,
    GlobalAlloc,
    FirstGetDIBits,
    GlobalReAlloc,
    SecondGetDIBits,
    CreateDIBitmap,
};

// Names the failing call in test names.
const char* FailingCallName(FailingCall call);

struct GdiLedger {
    int dcsTaken;
    int dcsReleased;
    int blocksTaken;
    int blocksFreed;
    int getDIBitsCalls;
};

// Installs the wrappers with an empty ledger; the destructor puts the platform's calls back.
class CountingGdiCalls {
public:
    explicit CountingGdiCalls(FailingCall failing = FailingCall::None);
    ~CountingGdiCalls();
    CountingGdiCalls(const CountingGdiCalls&) = delete;
    CountingGdiCalls& operator=(const CountingGdiCalls&) = delete;

    const GdiLedger& Ledger() const;
};
