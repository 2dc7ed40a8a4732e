/* The one reader of a new label's texts, shared by the Manage Labels dialog
 * and pdr-labels add. */
#include <gtest/gtest.h>

#include <string>

#include "labels/new_label.h"

namespace {

NewLabelText Given(const char* text)
{
    return {text, true};
}

/* A label of inches that every check accepts, to vary one text at a time. */
NewLabelTexts Valid()
{
    return {Given("Label"), Given("4.00"), Given("6.00"), Given("0"), Given("0"), Inches};
}

struct Reading {
    bool accepted;
    LabelEntry label;
    NewLabelRefusal refusal;
};

Reading Read(const NewLabelTexts& texts)
{
    Reading reading;
    reading.refusal = {NewLabelField::Name, NewLabelProblem::OutOfRange, "unset"};
    reading.accepted = ReadNewLabel(texts, &reading.label, &reading.refusal);
    return reading;
}

void ExpectRefused(const NewLabelTexts& texts, NewLabelField field, NewLabelProblem problem,
                   const char* range, const std::string& what)
{
    const Reading reading = Read(texts);
    EXPECT_FALSE(reading.accepted) << what;
    EXPECT_EQ(field, reading.refusal.Field) << what;
    EXPECT_EQ(problem, reading.refusal.Problem) << what;
    EXPECT_STREQ(range, reading.refusal.Range) << what;
}

TEST(NewLabel, AcceptedTextsAreTrimmedAndOffsetsNormalised)
{
    NewLabelTexts texts = {Given("  Label A \t"), Given(" 101.6\n"), Given("152.4"),
                           Given("+5"),           Given("12.9"),     Millimetres};
    Reading reading = Read(texts);
    ASSERT_TRUE(reading.accepted);
    EXPECT_STREQ("Label A", reading.label.name);
    EXPECT_STREQ("101.6", reading.label.width);
    EXPECT_STREQ("152.4", reading.label.length);
    EXPECT_STREQ("5", reading.label.horzOffset);
    EXPECT_STREQ("12", reading.label.vertOffset);
    EXPECT_EQ(Millimetres, reading.label.units);
    EXPECT_EQ(0, reading.label.id);

    // Offsets not given, empty or without digits read as 0; a text longer
    // than its field before trimming still fits once trimmed.
    texts = Valid();
    texts.Width = Given("   4.00   ");
    texts.HorizontalOffset = {nullptr, false};
    texts.VerticalOffset = Given("abc");
    reading = Read(texts);
    ASSERT_TRUE(reading.accepted);
    EXPECT_STREQ("4.00", reading.label.width);
    EXPECT_STREQ("0", reading.label.horzOffset);
    EXPECT_STREQ("0", reading.label.vertOffset);
}

TEST(NewLabel, NamesAreRefusedOnlyEmptyTooLongOrUnrepresentable)
{
    const std::string longest(LabelNameSize - 1, 'n');
    NewLabelTexts texts = Valid();
    texts.Name = Given(longest.c_str());
    EXPECT_TRUE(Read(texts).accepted);

    const std::string tooLong(LabelNameSize, 'n');
    const std::string tooLongWithTab = "a\tb" + tooLong;
    const struct {
        NewLabelText name;
        NewLabelProblem problem;
    } cases[] = {
        {Given(" \t "), NewLabelProblem::EmptyName},
        {Given(""), NewLabelProblem::EmptyName},
        {{nullptr, true}, NewLabelProblem::EmptyName},
        {Given(tooLong.c_str()), NewLabelProblem::TooLong},
        {Given(tooLongWithTab.c_str()), NewLabelProblem::TooLong},
        {{"", false}, NewLabelProblem::NotRepresentable},
    };
    for (const auto& c : cases) {
        texts.Name = c.name;
        const char* shown = c.name.Text != nullptr ? c.name.Text : "null";
        ExpectRefused(texts, NewLabelField::Name, c.problem, "", shown);
    }
}

/* Every byte but the white space around the name is kept: control
 * characters (the file writes them as escapes), quotes and backslashes, and
 * bytes beyond ASCII, which are text of the code page. */
TEST(NewLabel, NamesKeepControlCharactersAndEveryOtherByte)
{
    const struct {
        const char* typed;
        const char* kept;
        bool control;
    } cases[] = {
        {"Say \"hi\" \\ a\tb", "Say \"hi\" \\ a\tb", true},
        {" a\x01"
         "b\t",
         "a\x01"
         "b",
         true},
        {"two\nlines", "two\nlines", true},
        {"A\x7f", "A\x7f", true},
        {"\x1b[1m", "\x1b[1m", true},
        {"\xC4tikett \x80\xFF", "\xC4tikett \x80\xFF", false},
    };
    for (const auto& c : cases) {
        NewLabelTexts texts = Valid();
        texts.Name = Given(c.typed);
        const Reading reading = Read(texts);
        ASSERT_TRUE(reading.accepted) << c.typed;
        EXPECT_STREQ(c.kept, reading.label.name);
        EXPECT_EQ(c.control, HasControlCharacter(reading.label.name)) << c.typed;
    }
}

TEST(NewLabel, NumberTextsAreRefusedWithTheirFieldsRange)
{
    const struct {
        int units;
        const char* width;
        const char* length;
        const char* horizontal;
        const char* vertical;
        NewLabelField field;
        NewLabelProblem problem;
        const char* range;
    } cases[] = {
        // The inch limits' rounded ends lie outside them.
        {Inches, "0.39", "6", "0", "0", NewLabelField::Width, NewLabelProblem::OutOfRange, "0.39 - 5.07"},
        {Inches, "5.07", "6", "0", "0", NewLabelField::Width, NewLabelProblem::OutOfRange, "0.39 - 5.07"},
        {Inches, "", "6", "0", "0", NewLabelField::Width, NewLabelProblem::OutOfRange, "0.39 - 5.07"},
        {Inches, "4.000000", "6", "0", "0", NewLabelField::Width, NewLabelProblem::TooLong, "0.39 - 5.07"},
        {Inches, "4", "120.01", "0", "0", NewLabelField::Length, NewLabelProblem::OutOfRange,
         "0.39 - 120.00"},
        {Millimetres, "1016", "6", "0", "0", NewLabelField::Width, NewLabelProblem::OutOfRange,
         "10.00 - 128.70"},
        {TenthMillimetres, "99", "6", "0", "0", NewLabelField::Width, NewLabelProblem::OutOfRange,
         "100.00 - 1287.00"},
        {Inches, "4", "6", "1201", "0", NewLabelField::HorizontalOffset, NewLabelProblem::OutOfRange,
         "-1200 - 1200"},
        {Inches, "4", "6", "-1200", "-1201", NewLabelField::VerticalOffset, NewLabelProblem::OutOfRange,
         "-1200 - 1200"},
        {Inches, "4", "6", "0", "-12000000", NewLabelField::VerticalOffset, NewLabelProblem::TooLong,
         "-1200 - 1200"},
        // The first refused field in the order name, width, length, offsets.
        {Inches, "9", "999", "9999", "9999", NewLabelField::Width, NewLabelProblem::OutOfRange,
         "0.39 - 5.07"},
    };
    for (const auto& c : cases) {
        const NewLabelTexts texts = {Given("N"),          Given(c.width),    Given(c.length),
                                     Given(c.horizontal), Given(c.vertical), c.units};
        ExpectRefused(texts, c.field, c.problem, c.range,
                      std::string(c.width) + " " + c.length + " " + c.horizontal + " " + c.vertical);
    }

    NewLabelTexts texts = Valid();
    texts.Length = {"6", false};
    ExpectRefused(texts, NewLabelField::Length, NewLabelProblem::NotRepresentable, "0.39 - 120.00", "length");
    texts = Valid();
    texts.VerticalOffset = {"0", false};
    ExpectRefused(texts, NewLabelField::VerticalOffset, NewLabelProblem::NotRepresentable, "-1200 - 1200",
                  "vertical");
    // Unknown units codes are checked against the millimetre limits.
    texts = Valid();
    texts.Units = 7;
    ExpectRefused(texts, NewLabelField::Width, NewLabelProblem::OutOfRange, "10.00 - 128.70", "units 7");
}

TEST(NewLabel, FieldsBeforeTheRefusalAreAlreadyRead)
{
    NewLabelTexts texts = {Given(" Twin "), Given("4"), Given("6"), Given("+7"), Given("1201"), Inches};
    const Reading reading = Read(texts);
    ASSERT_FALSE(reading.accepted);
    EXPECT_EQ(NewLabelField::VerticalOffset, reading.refusal.Field);
    EXPECT_STREQ("Twin", reading.label.name);
    EXPECT_STREQ("7", reading.label.horzOffset);
    EXPECT_TRUE(AcceptedBeforeRefusal(NewLabelField::Name, reading.refusal));
    EXPECT_TRUE(AcceptedBeforeRefusal(NewLabelField::HorizontalOffset, reading.refusal));
    EXPECT_FALSE(AcceptedBeforeRefusal(NewLabelField::VerticalOffset, reading.refusal));

    texts.Name = Given("");
    const Reading unnamed = Read(texts);
    EXPECT_FALSE(AcceptedBeforeRefusal(NewLabelField::Name, unnamed.refusal));
    EXPECT_FALSE(AcceptedBeforeRefusal(NewLabelField::HorizontalOffset, unnamed.refusal));
}

}  // namespace
