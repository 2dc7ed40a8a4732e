/*
 * A user's whole walk through the printing preferences: every page changed,
 * OK pressed, every field of the record that comes out checked; then the
 * sheet opened again with that record shows every choice again.
 */
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include "document_sheet_fixture.h"
#include "file_bytes.h"
#include "labels/label_catalogue.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

enum Page { LabelPage, HalftonePage, IntensityPage, ColorPage, LayoutPage, FeaturesPage, AboutPage };

LabelEntry Label(const char* name, const char* width, const char* length, const char* horz, const char* vert,
                 int units, int id)
{
    LabelEntry label = {};
    strcpy(label.name, name);
    strcpy(label.width, width);
    strcpy(label.length, length);
    strcpy(label.horzOffset, horz);
    strcpy(label.vertOffset, vert);
    label.units = units;
    label.id = id;
    return label;
}

/* Picks a list entry as a user's click does, notification included. */
void SelectListItem(SheetSession& sheet, int id, int index)
{
    SendMessageW(sheet.Control(id), CB_SETCURSEL, index, 0);
    sheet.SendToPage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sheet.Control(id)));
}

int SelectedListItem(SheetSession& sheet, int id)
{
    return static_cast<int>(SendMessageW(sheet.Control(id), CB_GETCURSEL, 0, 0));
}

class WholeSheet : public DocumentSheetFixture {
protected:
    void SetUp() override
    {
        DocumentSheetFixture::SetUp();
        const LabelEntry labels[] = {Label("Shipping 4x6", "4.00", "6.00", "0", "0", Inches, 257),
                                     Label("Jar lid", "50.00", "40.00", "12", "-8", Millimetres, 258)};
        ASSERT_TRUE(SaveLabelCatalogue(labels, 2, nullptr));
        printer.SetValue(L"Pullback", 1);
        printer.SetValue(L"Cutter", 1);
    }
    void TearDown() override
    {
        printer.DeleteValue(L"Pullback");
        printer.DeleteValue(L"Cutter");
        DocumentSheetFixture::TearDown();
    }

    DefaultCatalogueGuard catalogueGuard;
};

void ChangeEveryPage(SheetSession& sheet)
{
    sheet.SelectPage(LabelPage);
    SelectListItem(sheet, IDC_LABEL_COMBO, 1);

    sheet.SelectPage(HalftonePage);
    sheet.Click(IDC_HALFTONE_PHOTOGRAPHIC);
    sheet.Scroll(IDC_HALFTONE_INTENSITY_SCROLL, SB_LINERIGHT);
    sheet.Scroll(IDC_HALFTONE_SHARPNESS_SCROLL, SB_THUMBTRACK, 2);

    sheet.SelectPage(IntensityPage);
    sheet.SetText(IDC_INTENSITY_HEAD1, L"12");
    sheet.SetText(IDC_INTENSITY_HEAD2, L"15");
    sheet.SetText(IDC_INTENSITY_HEAD3, L"20");
    sheet.SetText(IDC_INTENSITY_HEAD4, L"32");
    SelectListItem(sheet, IDC_INTENSITY_SPEED, 4);

    sheet.SelectPage(ColorPage);
    sheet.Click(IDC_COLOR_CMYK);
    sheet.Click(IDC_COLOR_CMY_ON_BACK);
    sheet.Scroll(IDC_COLOR_RED_SCROLL, SB_THUMBTRACK, 150);
    sheet.Scroll(IDC_COLOR_GREEN_SCROLL, SB_LINERIGHT);
    sheet.Scroll(IDC_COLOR_BLUE_SCROLL, SB_PAGELEFT);
    sheet.Scroll(IDC_COLOR_BRIGHTNESS_SCROLL, SB_THUMBTRACK, 80);
    sheet.Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_THUMBTRACK, 120);

    sheet.SelectPage(LayoutPage);
    sheet.Click(IDC_LAYOUT_LANDSCAPE);
    sheet.SetText(IDC_LAYOUT_COPIES, L"7");
    sheet.Click(IDC_LAYOUT_ALWAYS_USE_DRIVER);

    sheet.SelectPage(FeaturesPage);
    sheet.Click(IDC_FEATURES_TAPETHRIFT);
    sheet.Click(IDC_FEATURES_PULLBACK);
    sheet.Click(IDC_FEATURES_AUTOMATIC);
    sheet.Click(IDC_FEATURES_CUTTER);
    sheet.SetText(IDC_FEATURES_CUT_EVERY, L"3");
    sheet.SetText(IDC_FEATURES_CUT_OFFSET, L"-25");
}

void ExpectEveryChoice(const DriverDevMode& record)
{
    const PublicDevMode& p = record.Public;
    const DriverExtra& x = record.Extra;
    EXPECT_EQ(256, p.dmPaperSize);
    EXPECT_EQ(500, p.dmPaperWidth);
    EXPECT_EQ(400, p.dmPaperLength);
    EXPECT_STREQ("Jar lid", x.LabelName);
    EXPECT_EQ(12, x.HorizontalOffset);
    EXPECT_EQ(-8, x.VerticalOffset);

    EXPECT_EQ(4u, x.HalftoneMethod);
    EXPECT_EQ(2u, x.HalftoneIntensity);
    EXPECT_EQ(2u, x.Sharpness);

    EXPECT_EQ(12, x.HeadIntensity[0]);
    EXPECT_EQ(15, x.HeadIntensity[1]);
    EXPECT_EQ(20, x.HeadIntensity[2]);
    EXPECT_EQ(32, x.HeadIntensity[3]);
    EXPECT_EQ(6, x.PrintSpeed);

    EXPECT_EQ(0u, x.ColorMode);
    EXPECT_EQ(1u, x.ProcessColorSet);
    EXPECT_EQ(1u, x.CmyOnBack3Heads);
    EXPECT_EQ(150, x.RedLevel);
    EXPECT_EQ(101, x.GreenLevel);
    EXPECT_EQ(95, x.BlueLevel);
    EXPECT_EQ(80, x.Brightness);
    EXPECT_EQ(120, x.Contrast);

    EXPECT_EQ(2, p.dmOrientation);
    EXPECT_EQ(7, p.dmCopies);
    EXPECT_EQ(7, x.DriverCopies);
    EXPECT_EQ(1u, x.AlwaysUseDriverSetting);

    EXPECT_EQ(0u, x.TapeThriftEnabled);
    EXPECT_EQ(1u, x.PullbackEnabled);
    EXPECT_EQ(2u, x.PullbackMode);
    EXPECT_EQ(1u, x.CutterEnabled);
    EXPECT_EQ(3, x.CutEvery);
    EXPECT_EQ(-25, x.CutOffset);

    // Untouched by every page.
    EXPECT_EQ(DriverSignature, x.Signature);
    EXPECT_EQ(2, x.Option212);
    EXPECT_EQ(2, p.dmColor);
}

TEST_F(WholeSheet, EveryChoiceReachesTheRecordAndComesBack)
{
    ASSERT_NO_FATAL_FAILURE(OpenSheet());
    ChangeEveryPage(*sheet);
    ASSERT_NO_FATAL_FAILURE(CloseWithOk());
    sheet.reset();
    ExpectEveryChoice(*out.record());
    EXPECT_TRUE(out.UntouchedFrom(508));

    DriverDevMode again;
    memcpy(&again, out.record(), sizeof(again));
    CallerRecord second(508);
    sheet = OpenDocumentSheet(reinterpret_cast<DEVMODEW*>(&again), second);
    ASSERT_NE(nullptr, sheet);

    sheet->SelectPage(LabelPage);
    EXPECT_EQ(1, SelectedListItem(*sheet, IDC_LABEL_COMBO));
    sheet->SelectPage(HalftonePage);
    EXPECT_TRUE(sheet->IsChecked(IDC_HALFTONE_PHOTOGRAPHIC));
    EXPECT_EQ(L"High", sheet->Text(IDC_HALFTONE_INTENSITY_VALUE));
    EXPECT_EQ(L"50 %", sheet->Text(IDC_HALFTONE_SHARPNESS_VALUE));
    sheet->SelectPage(IntensityPage);
    EXPECT_EQ(L"12", sheet->Text(IDC_INTENSITY_HEAD1));
    EXPECT_EQ(L"32", sheet->Text(IDC_INTENSITY_HEAD4));
    EXPECT_EQ(4, SelectedListItem(*sheet, IDC_INTENSITY_SPEED));
    sheet->SelectPage(ColorPage);
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_CMYK));
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_CMY_ON_BACK));
    EXPECT_EQ(150, sheet->ScrollPosition(IDC_COLOR_RED_SCROLL));
    EXPECT_EQ(L"150%", sheet->Text(IDC_COLOR_RED_VALUE));
    EXPECT_EQ(L"Brightness (80%)", sheet->Text(IDC_COLOR_BRIGHTNESS_LABEL));
    sheet->SelectPage(LayoutPage);
    EXPECT_TRUE(sheet->IsChecked(IDC_LAYOUT_LANDSCAPE));
    EXPECT_EQ(L"7", sheet->Text(IDC_LAYOUT_COPIES));
    EXPECT_TRUE(sheet->IsChecked(IDC_LAYOUT_ALWAYS_USE_DRIVER));
    sheet->SelectPage(FeaturesPage);
    EXPECT_FALSE(sheet->IsChecked(IDC_FEATURES_TAPETHRIFT));
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_PULLBACK));
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_AUTOMATIC));
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_CUTTER));
    EXPECT_EQ(L"3", sheet->Text(IDC_FEATURES_CUT_EVERY));
    EXPECT_EQ(L"-25", sheet->Text(IDC_FEATURES_CUT_OFFSET));
    EXPECT_EQ(L"labels are printed", sheet->Text(IDC_FEATURES_CUT_WORD));

    // OK without changes gives the same settings again.  Only the form name
    // differs: the Label page leaves it alone, and reopening names the
    // user-given size "Custom".
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(0, memcmp(second.record()->Public.dmFormName, u"Custom", sizeof(u"Custom")));
    memcpy(second.record()->Public.dmFormName, out.record()->Public.dmFormName,
           sizeof(out.record()->Public.dmFormName));
    EXPECT_EQ(0, memcmp(out.record(), second.record(), sizeof(DriverDevMode)));
}

}  // namespace
