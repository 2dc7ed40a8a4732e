/* Decisions of the Manage Labels dialog the sheet cannot easily be driven
 * into, called directly. */
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "label_fixtures.h"
#include "pages/manage_labels_model.h"
#include "resources/resource_ids.h"

namespace {

LabelList ListWithIds(std::initializer_list<int> ids)
{
    LabelList list = {};
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
    } cases[] = {{"", true, "0"},
                 {"+5", true, "5"},
                 {"-0", true, "0"},
                 {"-1201", false, "-1201"},
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

TEST(ManageLabelsModel, RefusalsShowTheFieldsMessageAndTheNumbersRange)
{
    const struct {
        NewLabelField field;
        NewLabelProblem problem;
        int messageId;
        bool range;
    } cases[] = {
        {NewLabelField::Name, NewLabelProblem::EmptyName, IDS_NAME_REQUIRED, false},
        {NewLabelField::Name, NewLabelProblem::TooLong, IDS_NAME_REQUIRED, false},
        {NewLabelField::Width, NewLabelProblem::OutOfRange, IDS_INVALID_WIDTH, true},
        {NewLabelField::Width, NewLabelProblem::TooLong, IDS_INVALID_WIDTH, true},
        {NewLabelField::Length, NewLabelProblem::OutOfRange, IDS_INVALID_LENGTH, true},
        {NewLabelField::HorizontalOffset, NewLabelProblem::OutOfRange, IDS_INVALID_HORZ_OFFSET, true},
        {NewLabelField::VerticalOffset, NewLabelProblem::OutOfRange, IDS_INVALID_VERT_OFFSET, true},
    };
    for (const auto& c : cases) {
        const NewLabelRefusal refusal = {c.field, c.problem, ""};
        EXPECT_EQ(c.messageId, RefusalMessageId(refusal)) << c.messageId;
        EXPECT_EQ(c.range, IsRangeRefusal(refusal)) << c.messageId;
    }

    // What the dialog reads goes through the shared reader as typed: a name
    // with a tab or another control character is taken as it is.
    ManageEditTexts edits = {" A\tB\x01 ", "4", "6", "0", "0"};
    LabelEntry label;
    NewLabelRefusal refusal = {};
    ASSERT_TRUE(ReadNewLabel(NewLabelTextsOfEdits(edits, Inches), &label, &refusal));
    EXPECT_STREQ("A\tB\x01", label.name);
    ManageEditTexts blank = {" \t", "4", "6", "0", "0"};
    EXPECT_FALSE(ReadNewLabel(NewLabelTextsOfEdits(blank, Inches), &label, &refusal));
    EXPECT_EQ(IDS_NAME_REQUIRED, RefusalMessageId(refusal));
    ManageEditTexts valid = {" B ", "101.6", "152.4", "+5", "x"};
    ASSERT_TRUE(ReadNewLabel(NewLabelTextsOfEdits(valid, Millimetres), &label, &refusal));
    EXPECT_STREQ("B", label.name);
    EXPECT_STREQ("5", label.horzOffset);
    EXPECT_STREQ("0", label.vertOffset);
    EXPECT_EQ(Millimetres, label.units);
}

}  // namespace
