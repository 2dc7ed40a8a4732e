/* The Label page of a real sheet: choosing, showing and applying a label. */
#include <gtest/gtest.h>

#include "label_test_support.h"
#include "resources/resource_ids.h"

namespace {

using Texts = std::vector<std::string>;

class LabelPage : public ::testing::Test {
protected:
    DefaultCatalogueGuard guard;
};

const char FourBySixDetails[] =
    "Width: 4.00 inches\r\nLength: 6.00 inches\r\nHorizontal Offset: 0\r\nVertical Offset: -15\r\n";

TEST_F(LabelPage, SelectsTheLastLabelWithTheRecordsExactName)
{
    WriteDefaultCatalogue({MakeLabel("Shipping A", "4.00", "6.00", Inches, 257),
                           MakeLabel("shipping", "4.00", "6.00", Inches, 258),
                           MakeLabel("Twin", "4.00", "6.00", Inches, 259),
                           MakeLabel("Twin", "2.00", "3.00", Inches, 260)});
    {
        LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "Twin");
        ASSERT_TRUE(sheet.IsOpen());
        EXPECT_EQ((Texts{"Shipping A", "shipping", "Twin", "Twin"}), sheet.ComboNames());
        EXPECT_EQ(3, sheet.SelectedLabel());
    }
    {
        LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "Shipping");
        ASSERT_TRUE(sheet.IsOpen());
        EXPECT_EQ(0, sheet.SelectedLabel());
    }
    {
        LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "shipping");
        ASSERT_TRUE(sheet.IsOpen());
        EXPECT_EQ(1, sheet.SelectedLabel());
    }
}

TEST_F(LabelPage, DetailsShowFourLinesWithTheUnitsWord)
{
    WriteDefaultCatalogue({MakeLabel("Inch", "4.00", "6.00", Inches, 257, "0", "-15"),
                           MakeLabel("Tenths", "1016", "1524", TenthMillimetres, 258, "3", "4")});
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet.ChooseLabel(0);
    EXPECT_EQ(FourBySixDetails, sheet->TextA(IDC_LABEL_DETAILS));
    sheet.ChooseLabel(1);
    EXPECT_EQ("Width: 1016 mm\r\nLength: 1524 mm\r\nHorizontal Offset: 3\r\nVertical Offset: 4\r\n",
              sheet->TextA(IDC_LABEL_DETAILS));
}

TEST_F(LabelPage, ApplyWritesTheChosenLabelIntoTheOutputRecord)
{
    WriteDefaultCatalogue({MakeLabel("Inch", "4.00", "6.00", Inches, 257),
                           MakeLabel("Metric", "101.6", "152.4", Millimetres, 258, "12.7", "-0")});
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet.ChooseLabel(1);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    const DriverDevMode& out = *sheet.Out();
    EXPECT_EQ(DMPAPER_USER, out.Public.dmPaperSize);
    EXPECT_EQ(1016, out.Public.dmPaperWidth);
    EXPECT_EQ(1524, out.Public.dmPaperLength);
    EXPECT_STREQ("Metric", out.Extra.LabelName);
    EXPECT_EQ(12, out.Extra.HorizontalOffset);
    EXPECT_EQ(0, out.Extra.VerticalOffset);
    EXPECT_TRUE(sheet->MessageBoxes().empty());
}

TEST_F(LabelPage, OffsetsOutsideTheirRangeApplyAsZeroAndMissingOnesKeepTheRecord)
{
    // "2000e-1" passes the loader's check of its decimal value (200), but the
    // record takes its leading whole number, 2000.
    WriteDefaultCatalogue({MakeLabel("Odd", "4.00", "6.00", Inches, 257, "2000e-1", "")});
    ASSERT_STREQ("2000e-1", ReadCatalogue()[0].horzOffset);
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet.ChooseLabel(0);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(0, sheet.Out()->Extra.HorizontalOffset);
    EXPECT_EQ(-7, sheet.Out()->Extra.VerticalOffset);
}

TEST_F(LabelPage, EmptyCatalogueAppliesWithoutChangingTheLabel)
{
    WriteDefaultCatalogue({});
    LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "Gone");
    ASSERT_TRUE(sheet.IsOpen());
    EXPECT_TRUE(sheet.ComboNames().empty());
    EXPECT_EQ(CB_ERR, sheet.SelectedLabel());
    sheet.ChooseLabel(0);
    EXPECT_EQ("", sheet->TextA(IDC_LABEL_DETAILS));
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_STREQ("Gone", sheet.Out()->Extra.LabelName);
    EXPECT_EQ(sheet.in.Public.dmPaperSize, sheet.Out()->Public.dmPaperSize);
    EXPECT_EQ(7, sheet.Out()->Extra.HorizontalOffset);
}

TEST_F(LabelPage, ManageLabelsOkRefillsAndFollowsTheRecordsName)
{
    WriteDefaultCatalogue({MakeLabel("A", "4.00", "6.00", Inches, 257, "0", "-15"),
                           MakeLabel("B", "2.00", "3.00", Inches, 258)});
    LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "B");
    ASSERT_TRUE(sheet.IsOpen());
    EXPECT_EQ(1, sheet.SelectedLabel());

    // Cancelled: list and selection stay.
    HWND dialog = sheet.OpenManageLabels();
    ASSERT_NE(nullptr, dialog);
    FillLabelFields(dialog, "C", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitGone(dialog));
    Settle();
    EXPECT_EQ((Texts{"A", "B"}), sheet.ComboNames());
    EXPECT_EQ(1, sheet.SelectedLabel());

    // Renaming the record's label: the refilled list falls back to entry 0.
    dialog = sheet.OpenManageLabels();
    ASSERT_NE(nullptr, dialog);
    SelectListEntry(dialog, 1);
    SetDialogText(dialog, IDC_MANAGE_NAME, "B2");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitGone(dialog));
    Settle();
    EXPECT_EQ((Texts{"A", "B2"}), sheet.ComboNames());
    EXPECT_EQ(0, sheet.SelectedLabel());
    EXPECT_EQ(FourBySixDetails, sheet->TextA(IDC_LABEL_DETAILS));
}

TEST_F(LabelPage, TwoSheetsKeepTheirOwnLists)
{
    WriteDefaultCatalogue(
        {MakeLabel("P", "4.00", "6.00", Inches, 257), MakeLabel("Q", "2.00", "3.00", Inches, 258, "5", "6")});
    LabelSheet first;
    ASSERT_TRUE(first.IsOpen());
    WriteDefaultCatalogue(
        {MakeLabel("R", "1.00", "1.00", Inches, 257), MakeLabel("S", "1.50", "1.50", Inches, 258)});
    LabelSheet second;
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ((Texts{"R", "S"}), second.ComboNames());

    EXPECT_EQ((Texts{"P", "Q"}), first.ComboNames());
    first.ChooseLabel(1);
    first->PressOk();
    ASSERT_TRUE(first->WaitClosed());
    EXPECT_STREQ("Q", first.Out()->Extra.LabelName);
    EXPECT_EQ(508, first.Out()->Public.dmPaperWidth);
    EXPECT_EQ(5, first.Out()->Extra.HorizontalOffset);

    second.ChooseLabel(1);
    second->PressOk();
    ASSERT_TRUE(second->WaitClosed());
    EXPECT_STREQ("S", second.Out()->Extra.LabelName);
    EXPECT_EQ(381, second.Out()->Public.dmPaperWidth);
}

}  // namespace
