/* The pages' pictures on screens of different dpi.  At the base dpi every
 * picture is drawn 1:1 where it always was; above it each fills the frame
 * its dialog template gives it, and a repaint covers the whole of it.  The
 * scaled tests run in a prefix of their own set to a higher dpi
 * (run-at-dpi.sh); with PDR_CAPTURE_DIR set, every page is also saved as a
 * BMP there for a person to look at. */
#include <gtest/gtest.h>

#include <stdlib.h>

#include <set>
#include <string>

#include "document_sheet_fixture.h"
#include "imaging/picture_scale.h"
#include "imaging/preview_bitmap_win32.h"
#include "page_capture.h"
#include "pages/halftone_model.h"
#include "resources/resource_ids.h"
#include "sheet_session.h"
#include "wine_test_support.h"

namespace {

const int DocumentPageCount = 7;
const int HalftonePageIndex = 1;
const int ColorPageIndex = 3;

/* Frames of the picture controls in the templates, in dialog units. */
const RECT PrinterFrame = {236, 7, 236 + 161, 7 + 228};
const RECT DocumentLogoFrame = {7, 217, 7 + 131, 217 + 18};
const RECT DeviceLogoFrame = {7, 190, 7 + 131, 190 + 18};
const RECT HalftoneIconFrame = {87, 184, 87 + 60, 184 + 14};

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

/* Every template leaves the page's top-left corner empty. */
DWORD PageBackground(const Capture& capture)
{
    return capture.At(0, 0);
}

RECT InPixels(HWND page, RECT units)
{
    MapDialogRect(page, &units);
    return units;
}

RECT ControlOnPage(HWND page, int id)
{
    RECT pageRect;
    RECT control;
    GetWindowRect(page, &pageRect);
    GetWindowRect(GetDlgItem(page, id), &control);
    OffsetRect(&control, -pageRect.left, -pageRect.top);
    return control;
}

RECT Inflated(RECT rect, int by)
{
    InflateRect(&rect, by, by);
    return rect;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")+" +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

/* The page repainted and captured; kept for review when asked. */
Capture CapturePage(HWND page, const wchar_t* name)
{
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle(150);
    Capture capture = CaptureWindow(page);
    const wchar_t* folder = _wgetenv(L"PDR_CAPTURE_DIR");
    if (folder != nullptr && *folder != 0) {
        wchar_t path[MAX_PATH];
        _snwprintf(path, MAX_PATH, L"%ls\\%ls-%ddpi.bmp", folder, name, ScreenDpi());
        path[MAX_PATH - 1] = 0;
        EXPECT_TRUE(SaveCapture(capture, path));
    }
    return capture;
}

Capture ResourcePicture(int id)
{
    HBITMAP picture = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    Capture pixels = CaptureBitmap(picture);
    DeleteObject(picture);
    return pixels;
}

/* The picture drawn in `frame`, anchored at its top-left corner and as
 * large as its proportions allow: the part of the capture that differs
 * from the page is the picture's own content box, scaled by as much. */
void ExpectFillsFrame(const Capture& capture, RECT frame, const Capture& picture, const char* what)
{
    const DWORD background = PageBackground(capture);
    const RECT content = BoundsOfDifferences(picture, RECT{0, 0, picture.Width, picture.Height}, background);
    const RECT drawn = BoundsOfDifferences(capture, Inflated(frame, 3), background);
    const double across = static_cast<double>(frame.right - frame.left) / picture.Width;
    const double down = static_cast<double>(frame.bottom - frame.top) / picture.Height;
    const double scale = across < down ? across : down;
    const std::string where = std::string(what) + ": drawn " + Describe(drawn) + " in frame " +
                              Describe(frame) + ", content " + Describe(content) + " of " +
                              std::to_string(picture.Width) + "x" + std::to_string(picture.Height);
    EXPECT_GT(scale, 1.2) << where;
    EXPECT_NEAR(drawn.left, frame.left + content.left * scale, 2) << where;
    EXPECT_NEAR(drawn.top, frame.top + content.top * scale, 2) << where;
    EXPECT_NEAR(drawn.right, frame.left + content.right * scale, 2) << where;
    EXPECT_NEAR(drawn.bottom, frame.top + content.bottom * scale, 2) << where;
}

/* The icon as the page shows it at its own size, on the page's background. */
Capture IconPicture(int id, DWORD background)
{
    HICON icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0));
    ICONINFO parts = {};
    GetIconInfo(icon, &parts);
    BITMAP size = {};
    GetObjectW(parts.hbmColor, sizeof(size), &size);
    HDC screen = GetDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(screen, size.bmWidth, size.bmHeight);
    ReleaseDC(nullptr, screen);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, canvas);
    HBRUSH brush = CreateSolidBrush(RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF));
    RECT all = {0, 0, size.bmWidth, size.bmHeight};
    FillRect(memory, &all, brush);
    DrawIconEx(memory, 0, 0, icon, size.bmWidth, size.bmHeight, 0, nullptr, DI_NORMAL);
    SelectObject(memory, previous);
    Capture pixels = CaptureBitmap(canvas);
    DeleteDC(memory);
    DeleteObject(brush);
    DeleteObject(canvas);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
    return pixels;
}

Capture PreviewPicture()
{
    HBITMAP source = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PREVIEW_SOURCE));
    HBITMAP adjusted = AdjustPreviewBitmap(source, 116, 108, 100, 100, 100, 100, 100);
    Capture pixels = CaptureBitmap(adjusted);
    DeleteObject(adjusted);
    DeleteObject(source);
    return pixels;
}

POINT TopLeft(const RECT& rect)
{
    return POINT{rect.left, rect.top};
}

class Pictures : public DocumentSheetFixture {
protected:
    void OpenDocumentPage(int index)
    {
        if (sheet == nullptr)
            OpenSheet();
        sheet->SelectPage(index);
        Settle(100);
    }

    std::unique_ptr<SheetSession> OpenDeviceSheet()
    {
        deviceHeader = DeviceHeader(printer.Handle());
        return SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDevicePropertySheets"),
                                  reinterpret_cast<LPARAM>(&deviceHeader));
    }

    DEVICEPROPERTYHEADER deviceHeader;
};

class PicturesAtBaseDpi : public Pictures {
protected:
    void SetUp() override
    {
        Pictures::SetUp();
        ASSERT_EQ(BaseDpi, ScreenDpi());
    }
};

class PicturesAboveBaseDpi : public Pictures {
protected:
    void SetUp() override
    {
        Pictures::SetUp();
        ASSERT_GT(ScreenDpi(), BaseDpi) << "run through run-at-dpi.sh";
    }
};

TEST_F(PicturesAtBaseDpi, EveryPictureIsDrawnOneToOneWhereTheTemplatePutsIt)
{
    in.Extra.HalftoneMethod = HalftoneFine;
    const Capture printer = ResourcePicture(IDB_PRINTER);
    const Capture logo = ResourcePicture(IDB_LOGO_STRIP);
    for (int index = 0; index < DocumentPageCount; ++index) {
        OpenDocumentPage(index);
        HWND page = sheet->CurrentPage();
        const Capture shown = CapturePage(page, (L"preferences-" + std::to_wstring(index + 1)).c_str());
        EXPECT_TRUE(ShowsExactly(shown, TopLeft(InPixels(page, PrinterFrame)), printer)) << "page " << index;
        EXPECT_TRUE(ShowsExactly(shown, TopLeft(InPixels(page, DocumentLogoFrame)), logo))
            << "page " << index;
        if (index == HalftonePageIndex) {
            const RECT frame = ControlOnPage(page, IDC_HALFTONE_SAMPLE_FRAME);
            EXPECT_TRUE(ShowsExactly(shown, TopLeft(frame), ResourcePicture(IDB_HALFTONE_FINE)));
        }
        if (index == ColorPageIndex) {
            const RECT frame = ControlOnPage(page, IDC_COLOR_PREVIEW_FRAME);
            EXPECT_TRUE(ShowsExactly(shown, TopLeft(frame), PreviewPicture()));
        }
    }
    auto device = OpenDeviceSheet();
    ASSERT_NE(nullptr, device);
    HWND page = device->CurrentPage();
    const Capture shown = CapturePage(page, L"properties-1");
    EXPECT_TRUE(ShowsExactly(shown, TopLeft(InPixels(page, DeviceLogoFrame)), logo));
    device->PressCancel();
    EXPECT_TRUE(device->WaitClosed());
}

TEST_F(PicturesAboveBaseDpi, EveryPictureFillsTheFrameOfItsTemplate)
{
    in.Extra.HalftoneMethod = HalftoneFine;
    const Capture printer = ResourcePicture(IDB_PRINTER);
    const Capture logo = ResourcePicture(IDB_LOGO_STRIP);
    for (int index = 0; index < DocumentPageCount; ++index) {
        OpenDocumentPage(index);
        HWND page = sheet->CurrentPage();
        const Capture shown = CapturePage(page, (L"preferences-" + std::to_wstring(index + 1)).c_str());
        const std::string name = "page " + std::to_string(index);
        ExpectFillsFrame(shown, InPixels(page, PrinterFrame), printer, (name + " printer").c_str());
        ExpectFillsFrame(shown, InPixels(page, DocumentLogoFrame), logo, (name + " logo").c_str());
        if (index == HalftonePageIndex) {
            ExpectFillsFrame(shown, ControlOnPage(page, IDC_HALFTONE_SAMPLE_FRAME),
                             ResourcePicture(IDB_HALFTONE_FINE), "sample");
            ExpectFillsFrame(shown, InPixels(page, HalftoneIconFrame),
                             IconPicture(IDI_HALFTONE, PageBackground(shown)), "icon");
        }
        if (index == ColorPageIndex)
            ExpectFillsFrame(shown, ControlOnPage(page, IDC_COLOR_PREVIEW_FRAME), PreviewPicture(),
                             "preview");
    }
    auto device = OpenDeviceSheet();
    ASSERT_NE(nullptr, device);
    HWND page = device->CurrentPage();
    ExpectFillsFrame(CapturePage(page, L"properties-1"), InPixels(page, DeviceLogoFrame), logo,
                     "device logo");
    device->PressCancel();
    EXPECT_TRUE(device->WaitClosed());
}

/* Nearest-neighbour stretching only repeats pixels: the screen shows no
 * colour the screened picture does not have. */
TEST_F(PicturesAboveBaseDpi, TheHalftoneSampleKeepsItsScreenDotsAndRepaintsWhole)
{
    in.Extra.HalftoneMethod = HalftoneFine;
    OpenDocumentPage(HalftonePageIndex);
    HWND page = sheet->CurrentPage();
    const RECT frame = ControlOnPage(page, IDC_HALFTONE_SAMPLE_FRAME);
    const Capture fine = CapturePage(page, L"halftone-fine");
    const Capture source = ResourcePicture(IDB_HALFTONE_FINE);
    const std::set<DWORD> sourceColors(source.Pixels.begin(), source.Pixels.end());
    const RECT drawn = BoundsOfDifferences(fine, Inflated(frame, 3), PageBackground(fine));
    size_t foreign = 0;
    for (int y = drawn.top; y < drawn.bottom; ++y)
        for (int x = drawn.left; x < drawn.right; ++x)
            foreign += sourceColors.count(fine.At(x, y)) == 0;
    EXPECT_EQ(0u, foreign) << "in " << Describe(drawn);

    // Choosing another method repaints the whole scaled sample.
    sheet->Click(IDC_HALFTONE_COARSE);
    Settle(150);
    const Capture coarse = CaptureWindow(page);
    const RECT changed = BoundsOfChanges(fine, coarse, Inflated(frame, 3));
    EXPECT_GE(changed.right, drawn.right - 2) << Describe(changed) << " of " << Describe(drawn);
    EXPECT_GE(changed.bottom, drawn.bottom - 2) << Describe(changed) << " of " << Describe(drawn);
}

/* The levels recolour the source and the result is stretched: a slider
 * move repaints the whole scaled preview, to its far corner. */
TEST_F(PicturesAboveBaseDpi, TheColorPreviewFollowsTheSlidersOverItsWholeArea)
{
    OpenDocumentPage(ColorPageIndex);
    HWND page = sheet->CurrentPage();
    const RECT frame = ControlOnPage(page, IDC_COLOR_PREVIEW_FRAME);
    const Capture before = CapturePage(page, L"color-levels-100");
    const RECT drawn = BoundsOfDifferences(before, Inflated(frame, 3), PageBackground(before));
    for (int step = 0; step < 5; ++step)
        sheet->Scroll(IDC_COLOR_BRIGHTNESS_SCROLL, SB_PAGELEFT);
    Settle(150);
    const Capture after = CaptureWindow(page);
    const RECT changed = BoundsOfChanges(before, after, Inflated(frame, 3));
    EXPECT_GE(changed.right, drawn.right - 2) << Describe(changed) << " of " << Describe(drawn);
    EXPECT_GE(changed.bottom, drawn.bottom - 2) << Describe(changed) << " of " << Describe(drawn);
}

}  // namespace
