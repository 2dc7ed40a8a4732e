/* A host that lives for weeks opens the printing preferences again and
 * again in one process.  Closing the sheet must give back every GDI object
 * its pages took, the pictures of their templates above all.  The test run
 * makes ten opens at the base dpi in the shared prefix; tools/long-run.sh
 * makes fifty (PDR_REOPEN_OPENS), also at 144 dpi through run-at-dpi.sh. */
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "document_sheet_fixture.h"
#include "gdi_object_count.h"

namespace {

const int DocumentPageCount = 7;
/* The platform's caches (fonts, system brushes, the sheet's own) fill
 * during the first opens. */
const int WarmUpOpens = 3;
const int DefaultOpens = 10;
/* Room for Wine's cache of window DCs, which gains an entry (a DC and a
 * region, never a bitmap) when more DCs than ever before are in use at
 * once, up to a fixed size; after the warm-up it was seen to gain two
 * entries at most.  So a leak of one object per open shows in ten opens,
 * one of a bitmap per open most clearly; the pictures' leak was 14 bitmaps
 * per open. */
const int BitmapTolerance = 2;
const int Tolerance = 8;

/* PDR_REOPEN_OPENS, for long runs by hand; DefaultOpens otherwise. */
int Opens()
{
    const char* given = getenv("PDR_REOPEN_OPENS");
    const int opens = given != nullptr ? atoi(given) : 0;
    return opens > 0 ? opens : DefaultOpens;
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

double WorkingSetMiB()
{
    PROCESS_MEMORY_COUNTERS memory = {};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory)))
        return 0;
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

/* Without this the long test could pass on a count that sees nothing. */
TEST(GdiObjectCounting, FollowsBitmapsMadeAndDeleted)
{
    const int made = 20;
    HBITMAP bitmaps[made];
    const GdiObjectCount before = CountGdiObjects();
    for (HBITMAP& bitmap : bitmaps)
        bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    const GdiObjectCount during = CountGdiObjects();
    for (HBITMAP bitmap : bitmaps)
        DeleteObject(bitmap);
    const GdiObjectCount after = CountGdiObjects();
    EXPECT_GT(before.Total, 0);
    EXPECT_EQ(before.Bitmaps + made, during.Bitmaps);
    EXPECT_EQ(before.Total + made, during.Total);
    EXPECT_EQ(before.Total, after.Total);
}

class ReopenedPreferences : public DocumentSheetFixture {
protected:
    /* One visit of a user: every page shown and painted, then the sheet
     * closed with OK or Cancel. */
    void OpenVisitEveryPageAndClose(bool withOk)
    {
        ASSERT_NO_FATAL_FAILURE(OpenSheet());
        ASSERT_EQ(DocumentPageCount, sheet->PageCount());
        for (int index = 0; index < DocumentPageCount; ++index) {
            // Switched and painted at once rather than whenever the sheet's
            // thread gets to it: the Color and Halftone pages make and delete
            // bitmaps as they paint.
            SendMessageW(sheet->Sheet(), PSM_SETCURSEL, index, 0);
            HWND page = sheet->CurrentPage();
            ASSERT_NE(nullptr, page);
            RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        if (withOk) {
            CloseWithOk();
        } else {
            sheet->PressCancel();
            ASSERT_TRUE(sheet->WaitClosed());
        }
        sheet.reset();
    }

    void OpenRepeatedly(int times)
    {
        for (int open = 0; open < times; ++open)
            ASSERT_NO_FATAL_FAILURE(OpenVisitEveryPageAndClose(open % 2 == 0)) << "open " << open;
    }
};

TEST_F(ReopenedPreferences, OpensVisitingEveryPageLeaveNoGdiObjectsBehind)
{
    const int opens = Opens();
    ASSERT_NO_FATAL_FAILURE(OpenRepeatedly(WarmUpOpens));
    const GdiObjectCount before = CountGdiObjects();
    const double memoryBefore = WorkingSetMiB();
    const ULONGLONG start = GetTickCount64();
    ASSERT_NO_FATAL_FAILURE(OpenRepeatedly(opens));
    const ULONGLONG took = GetTickCount64() - start;
    const GdiObjectCount after = CountGdiObjects();
    std::printf("%d dpi, %d opens in %.1f s: GDI objects %s -> %s, working set %.1f -> %.1f MiB\n",
                ScreenDpi(), opens, took / 1000.0, Describe(before).c_str(), Describe(after).c_str(),
                memoryBefore, WorkingSetMiB());
    EXPECT_LE(after.Bitmaps, before.Bitmaps + BitmapTolerance);
    EXPECT_LE(after.Total, before.Total + Tolerance);
}

}  // namespace
