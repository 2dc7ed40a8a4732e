/* Writers on a real sheet start from the catalogue file as it is: an edit
 * another program saved while the sheet was open survives Manage Labels' OK,
 * and "Save settings to label" stores into the stock the page shows. */
#include <gtest/gtest.h>

#include "colliding_catalogues.h"
#include "label_test_support.h"
#include "resources/resource_ids.h"

namespace {

enum PageIndex { LabelPageIndex = 0, IntensityPageIndex = 2 };

TEST(CatalogueWriters, ManageLabelsKeepsAnEditSavedWhileTheSheetWasOpen)
{
    DefaultCatalogueGuard guard;
    const std::string before = CollidingCatalogueText(false);
    const std::string edited = CollidingCatalogueText(true);
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(WriteFileBytes(guard.Path(), before));
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    ASSERT_EQ(3u, sheet.ComboNames().size());
    // Another program's save, which a digest of the bytes cannot tell apart.
    ASSERT_TRUE(WriteFileBytes(guard.Path(), edited));
    HWND dialog = sheet.OpenManageLabels();
    ASSERT_NE(nullptr, dialog);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitGone(dialog));
    Settle();
    EXPECT_EQ(edited, FileBytes(guard.Path()));
}

TEST(CatalogueWriters, SaveSettingsStoresIntoTheStockThePageShows)
{
    DefaultCatalogueGuard guard;
    // Two stocks sharing id and name: the page, like the merge, takes the last.
    WriteDefaultCatalogue(
        {MakeLabel("Twin", "2.00", "1.00", Inches, 300), MakeLabel("Twin", "4.00", "6.00", Inches, 300)});
    LabelSheet sheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, "Twin");
    ASSERT_TRUE(sheet.IsOpen());
    ASSERT_EQ(1, sheet.SelectedLabel());
    sheet->SelectPage(IntensityPageIndex);
    sheet->SetText(IDC_INTENSITY_HEAD1, L"30");
    sheet->SelectPage(LabelPageIndex);
    sheet->Click(IDC_LABEL_SAVE_SETTINGS);
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    const std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(2u, saved.size());
    EXPECT_FALSE(saved[0].settings.HasHeadIntensity);
    EXPECT_TRUE(saved[1].settings.HasHeadIntensity);
    EXPECT_EQ(30, saved[1].settings.HeadIntensity[0]);
}

}  // namespace
