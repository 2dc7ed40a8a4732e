/* Decisions the dialogs cannot easily be driven into, called directly. */
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "label_test_support.h"
#include "pages/manage_labels_rules.h"

namespace {

ManageWorkingList ListWithIds(std::initializer_list<int> ids)
{
    ManageWorkingList list = {};
    for (int id : ids)
        list.Labels[list.Count++] = MakeLabel("x", "4.00", "6.00", Inches, id);
    return list;
}

TEST(ManageLabelsRules, NewIdsFollowTheLastUnlessTakenOrOutOfRange)
{
    EXPECT_EQ(257, NextLabelId(ListWithIds({})));
    EXPECT_EQ(301, NextLabelId(ListWithIds({257, 258, 300})));
    // 32768 would be renumbered by the next load onto a position that may be in use.
    EXPECT_EQ(259, NextLabelId(ListWithIds({32767, 257, 258})));
    // An imported list may already use last + 1.
    EXPECT_EQ(260, NextLabelId(ListWithIds({257, 259, 258})));
}

TEST(ManageLabelsRules, OffsetTextsAreNormalisedWithinTheirRange)
{
    const struct {
        const char* typed;
        bool accepted;
        const char* kept;
    } cases[] = {{"", true, "0"}, {"+5", true, "5"}, {"-0", true, "0"}, {"-1201", false, "-1201"},
                 {"9999999", false, "9999999"}};
    for (const auto& c : cases) {
        char text[LabelNumberTextSize];
        strcpy(text, c.typed);
        EXPECT_EQ(c.accepted, NormaliseOffsetText(text, sizeof text)) << c.typed;
        EXPECT_STREQ(c.kept, text) << c.typed;
    }
}

TEST(ManageLabelsRules, TextsTooLongForTheirBuffersAreLeftEmpty)
{
    char range[8];
    EXPECT_FALSE(FormatRangeText(range, sizeof range, 100.0, 30480.0));
    EXPECT_STREQ("", range);
    wchar_t body[256];
    std::wstring longMessage(250, L'x');
    EXPECT_FALSE(ComposeRangeMessage(body, 256, longMessage.c_str(), L"Valid range:", "0.39 - 5.07"));
    EXPECT_STREQ(L"", body);
    // Unknown units codes fall back to millimetres rather than reading past the table.
    EXPECT_EQ(&LabelSizeLimitsTable[Millimetres], &LimitsOfUnits(7));
}

}  // namespace
