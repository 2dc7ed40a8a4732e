/*
 * The mapping table and the conversions it drives, over every setting of
 * the table: names, defaults and ranges against the record's, record to
 * ticket values and back, values out of range, names the driver does not
 * know, the validation's answers and the papers a ticket offers.
 */
#include <gtest/gtest.h>
#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "label_fixtures.h"
#include "print_ticket/ticket_conversion.h"
#include "print_ticket/ticket_media.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "ticket_records.h"

namespace {

constexpr TicketSpace K = TicketSpace::Keywords;
constexpr TicketSpace P = TicketSpace::Private;

CatalogueLabels DemoLabels()
{
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    labels.Labels[0] = MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 257, "-12", "35");
    labels.Labels[1] = MakeLabel("Barcode 2x1", "2.00", "1.00", Inches, 259);
    labels.Labels[2] = MakeLabel("Vial", "50", "25", Millimetres, 300, "7", "-7");
    labels.Count = 3;
    labels.Loaded = true;
    return labels;
}

DriverDevMode MergedDefaults()
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    GiveRecordAUsablePaper(&record);
    return record;
}

DriverDevMode OnPaper(DriverDevMode record, int paperSize, CatalogueLabels* labels)
{
    record.Public.dmPaperSize = static_cast<int16_t>(paperSize);
    DriverDevMode merged;
    BuildDefaultDevMode(&merged, nullptr);
    EXPECT_TRUE(MergeDevModeWithLabels(&merged, &record, labels));
    return merged;
}

/* Takes a choice's option or a parameter's text, as a ticket reader does. */
bool Take(TicketValues* values, TicketSpace space, const char* name, const char* text)
{
    const int index = FindTicketSetting(space, name);
    return index >= 0 && (TicketSettings[index].Kind == TicketKind::Choice
                              ? TakeTicketOption(values, space, name, space, text)
                              : TakeTicketParameter(values, space, name, text));
}

TEST(TicketMapping, EverySettingIsFoundAndDefaultsAreTheDefaultRecords)
{
    const DriverDevMode defaults = MergedDefaults();
    std::set<std::string> names;
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        const TicketRange range = TicketSettingRange(setting);
        EXPECT_TRUE(names.insert(std::to_string(static_cast<int>(setting.Space)) + setting.Name).second);
        EXPECT_EQ(i, FindTicketSetting(setting.Space, setting.Name));
        EXPECT_NE(0, setting.StringId) << setting.Name;
        EXPECT_EQ(setting.Kind == TicketKind::Choice, setting.ChoiceCount > 0) << setting.Name;
        EXPECT_EQ(setting.Kind == TicketKind::Number, setting.Unit != nullptr) << setting.Name;
        for (int c = 0; c < setting.ChoiceCount; ++c) {
            EXPECT_GE(setting.Choices[c].Value, range.Minimum) << setting.Name;
            EXPECT_LE(setting.Choices[c].Value, range.Maximum) << setting.Name;
            EXPECT_EQ(c, FindTicketChoice(setting, setting.Choices[c].Name));
        }
        const int64_t value = ReadTicketField(defaults, setting);
        if (setting.Kind == TicketKind::Number)
            EXPECT_EQ(range.Default, value) << setting.Name;
        else if (setting.Kind == TicketKind::Choice)
            EXPECT_EQ(ChoiceShowingValue(setting, range.Default), ChoiceShowingValue(setting, value))
                << setting.Name;
    }
    EXPECT_EQ(TicketKind::Paper, TicketSettings[PaperTicketSetting()].Kind);
}

TEST(TicketMapping, EveryLabelAndEverySettingComesBackFromTheTicketValues)
{
    CatalogueLabels labels = DemoLabels();
    DriverDevMode away = MergedDefaults();
    MoveSettingsAwayFromDefaults(&away);
    std::vector<DriverDevMode> records;
    for (int i = 0; i < labels.Count; ++i)
        records.push_back(OnPaper(MergedDefaults(), labels.Labels[i].id, &labels));
    records.push_back(OnPaper(away, 259, &labels));
    away.Public.dmPaperWidth = 555;
    away.Public.dmPaperLength = 777;
    snprintf(away.Extra.LabelName, sizeof away.Extra.LabelName, "\t own <size> & \"name\" \r\n");
    records.push_back(OnPaper(away, PaperSizeUser, &labels));

    for (const DriverDevMode& record : records) {
        TicketValues values;
        TicketValuesFromRecord(record, &values);
        DriverDevMode back;
        ASSERT_TRUE(ConvertTicketToRecord(values, MergedDefaults(), &back, &labels));
        for (int i = 0; i < TicketSettingCount; ++i)
            EXPECT_EQ(ReadTicketField(record, TicketSettings[i]), ReadTicketField(back, TicketSettings[i]))
                << TicketSettings[i].Name << " on paper " << record.Public.dmPaperSize;
        EXPECT_EQ(0, memcmp(&record.Extra, &back.Extra, sizeof record.Extra)) << record.Public.dmPaperSize;
        EXPECT_EQ(record.Public.dmPaperWidth, back.Public.dmPaperWidth);
        EXPECT_EQ(record.Public.dmPaperLength, back.Public.dmPaperLength);
    }
}

TEST(TicketMapping, ValuesOutsideTheirRangesGetTheDefault)
{
    DriverDevMode away = MergedDefaults();
    MoveSettingsAwayFromDefaults(&away);
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        const TicketRange range = TicketSettingRange(setting);
        for (const int64_t value :
             {range.Minimum - 1, range.Maximum + 1, int64_t{INT64_MAX}, int64_t{65541}}) {
            if (setting.Kind != TicketKind::Number || (value >= range.Minimum && value <= range.Maximum))
                continue;
            TicketValues values;
            ClearTicketValues(&values);
            values.Values[i] = {true, value};
            DriverDevMode record = away;
            EXPECT_EQ(1, ApplyTicketValues(values, &record, nullptr)) << setting.Name << " " << value;
            EXPECT_EQ(range.Default, ReadTicketField(record, setting)) << setting.Name << " " << value;
        }
    }
}

TEST(TicketMapping, NamesAndTextsTheDriverDoesNotKnowAreLeftOut)
{
    TicketValues values;
    ClearTicketValues(&values);
    const struct {
        TicketSpace Space;
        const char* Name;
        const char* Text; /* an option's name or a parameter's value */
    } unknown[] = {
        {P, "Cutter", "Sideways"}, {P, "NoSuchFeature", "On"}, {K, "Cutter", "On"},
        {P, "PrintSpeed", ""},     {P, "PrintSpeed", "4x"},    {P, "PrintSpeed", "--4"},
        {P, "PrintSpeed", "4 4"},  {P, "PrintSpeed", "0x10"},  {P, "PrintSpeed", nullptr},
        {P, nullptr, nullptr},
    };
    for (const auto& c : unknown)
        EXPECT_FALSE(Take(&values, c.Space, c.Name, c.Text)) << c.Name << " " << c.Text;
    EXPECT_FALSE(TakeTicketOption(&values, P, "PrintSpeed", P, "On"));
    EXPECT_FALSE(TakeTicketParameter(&values, P, "Cutter", "1"));
    for (const char* name :
         {"Label256", "Label0259", "Label40000", "Label", "label259", "Label+259", "ISOA4"})
        EXPECT_FALSE(TakeTicketMediaSize(&values, P, name, "1", "1")) << name;
    EXPECT_FALSE(TakeTicketMediaSize(&values, P, "UserSize", "wide", "1"));
    for (const TicketValue& value : values.Values)
        EXPECT_FALSE(value.Present);

    EXPECT_TRUE(Take(&values, P, "PrintSpeed", " -99999999999999999999 "));
    EXPECT_EQ(-INT64_MAX, values.Values[FindTicketSetting(P, "PrintSpeed")].Number);
    EXPECT_TRUE(TakeTicketMediaSize(&values, P, "Label32767", nullptr, nullptr));
    EXPECT_EQ(32767, values.Paper.PaperSize);
}

TEST(TicketMapping, ValidationResolvesRangesDependenciesAndLabels)
{
    CatalogueLabels labels = DemoLabels();
    const PrinterOptions none = {0, 0};
    const PrinterOptions both = {1, 1};
    const struct {
        TicketSpace Space;
        const char* Name;
        const char* Text;
        PrinterOptions Options;
        int Conflicts;
        int64_t Result;
    } cases[] = {
        {P, "PrintSpeed", "4", none, 0, 4},
        {P, "PrintSpeed", "8", none, 1, 3},
        {P, "HeadIntensity3", "0", none, 1, 10},
        {P, "Cutter", "On", none, 1, 0},
        {P, "Cutter", "On", both, 0, 1},
        {P, "Pullback", "On", none, 1, 0},
        {P, "CutEvery", "12", none, 0, 12},
        {K, "JobCopiesAllDocuments", "25001", none, 1, 1},
        {K, "PageOrientation", "Landscape", none, 0, OrientationLandscape},
    };
    for (const auto& c : cases) {
        TicketValues values;
        ClearTicketValues(&values);
        ASSERT_TRUE(Take(&values, c.Space, c.Name, c.Text)) << c.Name;
        EXPECT_EQ(c.Conflicts, ValidateTicketValues(&values, c.Options, &labels)) << c.Name << " " << c.Text;
        EXPECT_EQ(c.Result, values.Values[FindTicketSetting(c.Space, c.Name)].Number) << c.Name;
        EXPECT_TRUE(values.Values[PaperTicketSetting()].Present) << c.Name;
    }

    // A label that left the catalogue gets what a record naming it gets; on
    // a label the name is the catalogue's, whatever name the ticket brought.
    const struct {
        const char* Option;
        const char* Name;
        int Conflicts;
        int32_t Paper;
        const char* Back;
    } papers[] = {
        {"Label999", nullptr, 1, PaperSizeUser, ""},
        {"Label259", nullptr, 0, 259, "Barcode 2x1"},
        {"Label259", "Barcode 2x1 (name lost a byte)", 0, 259, "Barcode 2x1"},
    };
    for (const auto& c : papers) {
        TicketValues values;
        ClearTicketValues(&values);
        ASSERT_TRUE(TakeTicketMediaSize(&values, P, c.Option, nullptr, nullptr));
        if (c.Name != nullptr)
            ASSERT_TRUE(Take(&values, P, "LabelName", c.Name));
        EXPECT_EQ(c.Conflicts, ValidateTicketValues(&values, none, &labels)) << c.Option;
        EXPECT_EQ(c.Paper, values.Paper.PaperSize) << c.Option;
        EXPECT_STREQ(c.Back, values.Text) << c.Option;
        DriverDevMode onLabel = OnPaper(MergedDefaults(), 259, &labels);
        DriverDevMode back;
        ASSERT_TRUE(ConvertTicketToRecord(values, onLabel, &back, &labels));
        EXPECT_STREQ(c.Back, back.Extra.LabelName) << c.Option;
    }
}

TEST(TicketMapping, MediaListsEveryLabelAndTheRecordsOwnSize)
{
    CatalogueLabels labels = DemoLabels();
    TicketMedia media[MaxTicketMedia];
    DriverDevMode own;
    DriverDevMode record = MergedDefaults();
    ASSERT_EQ(4, ListTicketMedia(record, &labels, media, &own));
    const int64_t expected[][3] = {
        {257, 101600, 152400}, {259, 50800, 25400}, {300, 50000, 25000}, {PaperSizeUser, 101600, -1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i][0], media[i].PaperSize);
        EXPECT_EQ(expected[i][1], media[i].WidthMicrons);
        char name[16];
        EXPECT_TRUE(FormatMediaOptionName(media[i].PaperSize, name, sizeof name));
        EXPECT_EQ(media[i].PaperSize, PaperSizeFromMediaOptionName(name)) << name;
    }
    record.Public.dmPaperSize = 300;
    EXPECT_EQ(3, ListTicketMedia(record, &labels, media, &own));
    char name[16];
    EXPECT_FALSE(FormatMediaOptionName(9, name, sizeof name));
    EXPECT_FALSE(FormatMediaOptionName(259, name, 4));
}

}  // namespace
