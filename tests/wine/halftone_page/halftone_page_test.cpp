/* The Halftone page: methods and their dependent controls, the two step
 * bars, the sample picture, and the colour mode it follows. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_sheet_fixture.h"
#include "page_capture.h"
#include "pages/halftone_model.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_context/sheet_context.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int HalftonePageIndex = 1;
const int ColorPageIndex = 3;
const int ProcessRadio = 1167;
const int SpotRadio = 1168;

const int MethodRadios[] = {IDC_HALFTONE_FINE,      IDC_HALFTONE_MEDIUM,       IDC_HALFTONE_COARSE,
                            IDC_HALFTONE_DIFFUSION, IDC_HALFTONE_PHOTOGRAPHIC, IDC_HALFTONE_OPTIMUM};

const int PhotoStepControls[] = {IDC_HALFTONE_SHARPNESS_SCROLL, IDC_HALFTONE_INTENSITY_SCROLL,
                                 IDC_HALFTONE_SHARPNESS_LABEL,  IDC_HALFTONE_SHARPNESS_MINUS,
                                 IDC_HALFTONE_SHARPNESS_PLUS,   IDC_HALFTONE_SHARPNESS_VALUE,
                                 IDC_HALFTONE_INTENSITY_LABEL,  IDC_HALFTONE_INTENSITY_MINUS,
                                 IDC_HALFTONE_INTENSITY_PLUS,   IDC_HALFTONE_INTENSITY_VALUE};

/* The pixels of a 155 x 155 area, as 0x00RRGGBB values. */
std::vector<DWORD> CapturePixels(HDC source, int x, int y)
{
    return CaptureDcArea(source, x, y, 155, 155).Pixels;
}

/* The sample picture as the library would draw it (the test program holds
 * the same resources). */
std::vector<DWORD> PicturePixels(int pictureId)
{
    HBITMAP picture = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pictureId));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture);
    std::vector<DWORD> pixels = CapturePixels(memory, 0, 0);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
    return pixels;
}

/* Share of the pixels the two areas have in common.  The optimum picture
 * is a column narrower, and controls may overlap an edge. */
double Likeness(const std::vector<DWORD>& a, const std::vector<DWORD>& b)
{
    size_t same = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        same += a[i] == b[i];
    return static_cast<double>(same) / static_cast<double>(a.size());
}

class HalftonePage : public DocumentSheetFixture {
protected:
    void OpenOnHalftonePage()
    {
        OpenOnPage(HalftonePageIndex);
    }

    SheetContext* Context() const
    {
        return reinterpret_cast<SheetContext*>(GetWindowLongPtrW(sheet->CurrentPage(), GWLP_USERDATA));
    }

    int CheckedMethodCount() const
    {
        int count = 0;
        for (int radio : MethodRadios)
            count += sheet->IsChecked(radio);
        return count;
    }

    /* Every control of the page with an id of its own (the separators and
     * the logo have none) is disabled. */
    bool AllDisabled() const
    {
        bool anyEnabled = false;
        EnumChildWindows(sheet->CurrentPage(), NoteEnabled, reinterpret_cast<LPARAM>(&anyEnabled));
        return !anyEnabled;
    }
    static BOOL CALLBACK NoteEnabled(HWND control, LPARAM anyEnabled)
    {
        const int id = GetDlgCtrlID(control);
        if (id != IDC_STATIC && id != 0xFFFF && IsWindowEnabled(control))
            *reinterpret_cast<bool*>(anyEnabled) = true;
        return TRUE;
    }

    /* The sample area of the page, repainted, shows the picture. */
    void ExpectSample(int pictureId)
    {
        HWND page = sheet->CurrentPage();
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle(100);
        RECT pageRect;
        RECT frameRect;
        GetWindowRect(page, &pageRect);
        GetWindowRect(GetDlgItem(page, IDC_HALFTONE_SAMPLE_FRAME), &frameRect);
        HDC dc = GetDC(page);
        const std::vector<DWORD> painted =
            CapturePixels(dc, frameRect.left - pageRect.left, frameRect.top - pageRect.top);
        ReleaseDC(page, dc);
        EXPECT_GT(Likeness(painted, PicturePixels(pictureId)), 0.95) << "picture " << pictureId;
    }
};

TEST_F(HalftonePage, OpenedInSpotModeIsDisabledAndApplyKeepsTheRecord)
{
    in.Extra.ColorMode = 1;
    in.Extra.HalftoneMethod = HalftoneCoarse;
    in.Extra.DiffusionQuality = DiffusionFast;
    in.Extra.SmoothingFilter = 1;
    in.Extra.Sharpness = 1;
    in.Extra.HalftoneIntensity = 2;
    OpenOnHalftonePage();
    EXPECT_TRUE(AllDisabled());
    EXPECT_EQ(0, CheckedMethodCount());
    ExpectSample(IDB_HALFTONE_SPOT_NOTICE);

    CloseWithOk();
    const DriverExtra& stored = out.record()->Extra;
    EXPECT_EQ(HalftoneCoarse, stored.HalftoneMethod);
    EXPECT_EQ(DiffusionFast, stored.DiffusionQuality);
    EXPECT_EQ(1u, stored.SmoothingFilter);
    EXPECT_EQ(1u, stored.Sharpness);
    EXPECT_EQ(2u, stored.HalftoneIntensity);
    EXPECT_EQ(1u, stored.ColorMode);
}

TEST_F(HalftonePage, FollowsTheColorPageToSpotAndBack)
{
    OpenOnHalftonePage();
    sheet->Click(IDC_HALFTONE_FINE);
    sheet->Click(IDC_HALFTONE_SMOOTHING);

    sheet->SelectPage(ColorPageIndex);
    sheet->Click(SpotRadio);
    sheet->SelectPage(HalftonePageIndex);
    EXPECT_TRUE(AllDisabled());
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_FINE));
    ExpectSample(IDB_HALFTONE_SPOT_NOTICE);

    sheet->SelectPage(ColorPageIndex);
    sheet->Click(ProcessRadio);
    sheet->SelectPage(HalftonePageIndex);
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_GROUP));
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_FINE));
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_FINE));
    EXPECT_EQ(1, CheckedMethodCount());
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_SMOOTHING));
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_SMOOTHING));
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_PICTURE));
    ExpectSample(IDB_HALFTONE_FINE);
}

TEST_F(HalftonePage, SpotClickedBeforeFirstShowingGivesWayToTheStoredMode)
{
    OpenSheet();
    sheet->SelectPage(ColorPageIndex);
    sheet->Click(SpotRadio);
    sheet->SelectPage(HalftonePageIndex);
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_OPTIMUM));
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_OPTIMUM));
    EXPECT_EQ(0u, Context()->LiveColorMode);
}

TEST_F(HalftonePage, EnableRulesFollowTheMethod)
{
    struct Expected {
        int radio;
        bool smoothing;
        bool quality;
        bool photoSteps;
    };
    const Expected rules[] = {
        {IDC_HALFTONE_FINE, true, false, false},         {IDC_HALFTONE_MEDIUM, true, false, false},
        {IDC_HALFTONE_COARSE, true, false, false},       {IDC_HALFTONE_DIFFUSION, false, true, false},
        {IDC_HALFTONE_PHOTOGRAPHIC, false, false, true}, {IDC_HALFTONE_OPTIMUM, false, false, false},
    };
    OpenOnHalftonePage();
    for (const Expected& rule : rules) {
        sheet->Click(rule.radio);
        EXPECT_EQ(1, CheckedMethodCount()) << rule.radio;
        EXPECT_EQ(rule.smoothing, sheet->IsEnabled(IDC_HALFTONE_SMOOTHING)) << rule.radio;
        EXPECT_EQ(rule.quality, sheet->IsEnabled(IDC_HALFTONE_FAST)) << rule.radio;
        EXPECT_EQ(rule.quality, sheet->IsEnabled(IDC_HALFTONE_BEST)) << rule.radio;
        for (int id : PhotoStepControls)
            EXPECT_EQ(rule.photoSteps, sheet->IsEnabled(id)) << rule.radio << " control " << id;
        for (int radio : MethodRadios)
            EXPECT_TRUE(sheet->IsEnabled(radio));
    }
}

TEST_F(HalftonePage, SmoothingSurvivesAMethodChange)
{
    OpenOnHalftonePage();
    sheet->Click(IDC_HALFTONE_FINE);
    sheet->Click(IDC_HALFTONE_SMOOTHING);
    sheet->Click(IDC_HALFTONE_DIFFUSION);
    EXPECT_FALSE(sheet->IsEnabled(IDC_HALFTONE_SMOOTHING));
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_SMOOTHING));
    sheet->Click(IDC_HALFTONE_FINE);
    EXPECT_TRUE(sheet->IsEnabled(IDC_HALFTONE_SMOOTHING));
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_SMOOTHING));

    sheet->Click(IDC_HALFTONE_DIFFUSION);
    sheet->Click(IDC_HALFTONE_FAST);
    ExpectSample(IDB_HALFTONE_DIFFUSION);
    CloseWithOk();
    EXPECT_EQ(HalftoneErrorDiffusion, out.record()->Extra.HalftoneMethod);
    EXPECT_EQ(DiffusionFast, out.record()->Extra.DiffusionQuality);
    EXPECT_EQ(1u, out.record()->Extra.SmoothingFilter);
}

TEST_F(HalftonePage, SharpnessStepsShowTheirPercentagesAndStopAtTheEnds)
{
    OpenOnHalftonePage();
    sheet->Click(IDC_HALFTONE_PHOTOGRAPHIC);
    const int bar = IDC_HALFTONE_SHARPNESS_SCROLL;
    sheet->Scroll(bar, SB_THUMBTRACK, 0);
    EXPECT_EQ(0, sheet->ScrollPosition(bar));
    EXPECT_EQ(L"1 %", sheet->Text(IDC_HALFTONE_SHARPNESS_VALUE));
    sheet->Scroll(bar, SB_LINELEFT);
    EXPECT_EQ(0, sheet->ScrollPosition(bar));

    const wchar_t* texts[] = {L"25 %", L"50 %", L"75 %", L"100 %"};
    for (int step = 1; step <= 4; ++step) {
        sheet->Scroll(bar, step % 2 != 0 ? SB_LINERIGHT : SB_PAGERIGHT);
        EXPECT_EQ(step, sheet->ScrollPosition(bar));
        EXPECT_EQ(texts[step - 1], sheet->Text(IDC_HALFTONE_SHARPNESS_VALUE));
    }
    sheet->Scroll(bar, SB_LINERIGHT);
    sheet->Scroll(bar, SB_PAGERIGHT);
    EXPECT_EQ(4, sheet->ScrollPosition(bar));
    sheet->Scroll(bar, SB_PAGELEFT);
    EXPECT_EQ(3, sheet->ScrollPosition(bar));
    sheet->Scroll(bar, SB_ENDSCROLL);
    EXPECT_EQ(3, sheet->ScrollPosition(bar));
    EXPECT_EQ(L"75 %", sheet->Text(IDC_HALFTONE_SHARPNESS_VALUE));

    CloseWithOk();
    EXPECT_EQ(HalftonePhotographic, out.record()->Extra.HalftoneMethod);
    EXPECT_EQ(3u, out.record()->Extra.Sharpness);
}

TEST_F(HalftonePage, IntensityStepsShowLowMedHighAndTheirPictures)
{
    OpenOnHalftonePage();
    sheet->Click(IDC_HALFTONE_PHOTOGRAPHIC);
    const int bar = IDC_HALFTONE_INTENSITY_SCROLL;
    sheet->Scroll(bar, SB_THUMBTRACK, 0);
    EXPECT_EQ(L"Low", sheet->Text(IDC_HALFTONE_INTENSITY_VALUE));
    ExpectSample(IDB_HALFTONE_PHOTO_LOW);
    sheet->Scroll(bar, SB_LINERIGHT);
    EXPECT_EQ(L"Med", sheet->Text(IDC_HALFTONE_INTENSITY_VALUE));
    ExpectSample(IDB_HALFTONE_PHOTO_MED);
    sheet->Scroll(bar, SB_PAGERIGHT);
    EXPECT_EQ(L"High", sheet->Text(IDC_HALFTONE_INTENSITY_VALUE));
    ExpectSample(IDB_HALFTONE_PHOTO_HIGH);
    sheet->Scroll(bar, SB_LINERIGHT);
    EXPECT_EQ(2, sheet->ScrollPosition(bar));

    CloseWithOk();
    EXPECT_EQ(2u, out.record()->Extra.HalftoneIntensity);
}

}  // namespace
