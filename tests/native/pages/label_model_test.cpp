/* The Label page's model: what applying a label writes, and the Details
 * text of the longest and of non-ASCII texts. */
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "label_fixtures.h"
#include "pages/label_model.h"
#include "settings/devmode_ops.h"

namespace {

std::wstring DetailsOf(const LabelEntry* label)
{
    wchar_t details[LabelDetailsChars];
    details[0] = L'x';
    ComposeLabelDetails(label, details);
    return details;
}

TEST(LabelPageRules, ApplyingALabelKeepsFormNameFieldsAndUnreadableOffsets)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    const DriverDevMode before = record;
    record.Extra.VerticalOffset = 44;
    std::string longest(LabelNameSize - 1, 'n');
    LabelEntry label = MakeLabel("", "1016", "1524", TenthMillimetres, 300, "2000e-1", "abc");
    memcpy(label.name, longest.c_str(), LabelNameSize);

    ApplyLabelToRecord(label, &record);
    EXPECT_EQ(longest, record.Extra.LabelName);
    EXPECT_EQ(1016, record.Public.dmPaperWidth);
    EXPECT_EQ(1524, record.Public.dmPaperLength);
    EXPECT_EQ(0, record.Extra.HorizontalOffset);
    EXPECT_EQ(44, record.Extra.VerticalOffset);
    EXPECT_EQ(0, memcmp(before.Public.dmFormName, record.Public.dmFormName, sizeof record.Public.dmFormName));
    EXPECT_EQ(before.Public.dmFields, record.Public.dmFields);
}

TEST(LabelModel, DetailsWidenTheLabelsTextsThroughTheCodePage)
{
    EXPECT_EQ(L"", DetailsOf(nullptr));
    // The longest texts a field holds, with bytes beyond ASCII.
    const LabelEntry label = MakeLabel("Odd", "1234567", "\xB5\xB5\xB5\xB5\xB5\xB5\xB5", 99, 257,
                                       "-1200.5", "\xE9");
    EXPECT_EQ(L"Width: 1234567 mm\r\nLength: \u00B5\u00B5\u00B5\u00B5\u00B5\u00B5\u00B5 mm\r\n"
              L"Horizontal Offset: -1200.5\r\nVertical Offset: \u00E9\r\n",
              DetailsOf(&label));
}

}  // namespace
