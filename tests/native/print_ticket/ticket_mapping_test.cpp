/*
 * The mapping table and the conversions it drives, over every setting of
 * the table: defaults and ranges against the record's, record to ticket
 * values and back, values out of range, names the driver does not know,
 * and the validation's answers.
 */
#include <gtest/gtest.h>
#include <string.h>

#include <set>
#include <string>

#include "label_fixtures.h"
#include "print_ticket/ticket_conversion.h"
#include "print_ticket/ticket_media.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"

namespace {

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

/* A value of the setting's range other than the default, and other than
 * anything the default shows as. */
int64_t AwayFromDefault(const TicketSetting& setting)
{
    const TicketRange range = TicketSettingRange(setting);
    if (setting.Kind == TicketKind::Choice) {
        const int shown = ChoiceShowingValue(setting, range.Default);
        return setting.Choices[(shown + 1) % setting.ChoiceCount].Value;
    }
    return range.Default == range.Maximum ? range.Minimum : range.Maximum;
}

/* Every setting of the table away from its default, on label 259. */
DriverDevMode RecordAwayFromDefaults(CatalogueLabels* labels)
{
    DriverDevMode record = MergedDefaults();
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind == TicketKind::Number ||
            (setting.Kind == TicketKind::Choice && setting.ChoiceCount > 1))
            WriteTicketField(&record, setting, AwayFromDefault(setting));
    }
    record.Public.dmPaperSize = 259;
    DriverDevMode merged;
    BuildDefaultDevMode(&merged, nullptr);
    EXPECT_TRUE(MergeDevModeWithLabels(&merged, &record, labels));
    return merged;
}

TEST(TicketMapping, NamesAreUniqueAndOptionsLieInTheirRanges)
{
    std::set<std::string> names;
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        EXPECT_TRUE(names.insert(std::to_string(static_cast<int>(setting.Space)) + setting.Name).second)
            << setting.Name;
        EXPECT_EQ(i, FindTicketSetting(setting.Space, setting.Name));
        EXPECT_NE(0, setting.StringId) << setting.Name;
        const TicketRange range = TicketSettingRange(setting);
        for (int c = 0; c < setting.ChoiceCount; ++c) {
            EXPECT_GE(setting.Choices[c].Value, range.Minimum) << setting.Name;
            EXPECT_LE(setting.Choices[c].Value, range.Maximum) << setting.Name;
            EXPECT_EQ(c, FindTicketChoice(setting, setting.Choices[c].Name));
        }
        EXPECT_EQ(setting.Kind == TicketKind::Choice, setting.ChoiceCount > 0) << setting.Name;
        EXPECT_EQ(setting.Kind == TicketKind::Number, setting.Unit != nullptr) << setting.Name;
    }
    EXPECT_EQ(TicketKind::Paper, TicketSettings[PaperTicketSetting()].Kind);
}

/* The defaults the capabilities offer are the record's own defaults, which
 * the limits table's replacements are. */
TEST(TicketMapping, DefaultsAreTheDefaultRecordsValues)
{
    const DriverDevMode defaults = MergedDefaults();
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        const int64_t value = ReadTicketField(defaults, setting);
        const TicketRange range = TicketSettingRange(setting);
        if (setting.Kind == TicketKind::Number)
            EXPECT_EQ(range.Default, value) << setting.Name;
        else if (setting.Kind == TicketKind::Choice)
            EXPECT_EQ(ChoiceShowingValue(setting, range.Default), ChoiceShowingValue(setting, value))
                << setting.Name;
    }
}

TEST(TicketMapping, EveryLabelAndEverySettingComesBackFromTheTicketValues)
{
    CatalogueLabels labels = DemoLabels();
    std::vector<DriverDevMode> records;
    for (int i = 0; i < labels.Count; ++i) {
        DriverDevMode record = MergedDefaults();
        record.Public.dmPaperSize = static_cast<int16_t>(labels.Labels[i].id);
        DriverDevMode merged;
        BuildDefaultDevMode(&merged, nullptr);
        ASSERT_TRUE(MergeDevModeWithLabels(&merged, &record, &labels));
        records.push_back(merged);
    }
    records.push_back(RecordAwayFromDefaults(&labels));
    DriverDevMode userSize = RecordAwayFromDefaults(&labels);
    userSize.Public.dmPaperSize = PaperSizeUser;
    userSize.Public.dmPaperWidth = 555;
    userSize.Public.dmPaperLength = 777;
    records.push_back(userSize);

    for (const DriverDevMode& record : records) {
        TicketValues values;
        TicketValuesFromRecord(record, &values);
        DriverDevMode back;
        ASSERT_TRUE(ConvertTicketToRecord(values, MergedDefaults(), &back, &labels));
        for (int i = 0; i < TicketSettingCount; ++i)
            if (TicketSettings[i].Kind != TicketKind::Text)
                EXPECT_EQ(ReadTicketField(record, TicketSettings[i]),
                          ReadTicketField(back, TicketSettings[i]))
                    << TicketSettings[i].Name << " on paper " << record.Public.dmPaperSize;
        EXPECT_EQ(0, memcmp(&record.Extra, &back.Extra, sizeof record.Extra)) << record.Public.dmPaperSize;
        EXPECT_EQ(record.Public.dmPaperWidth, back.Public.dmPaperWidth);
        EXPECT_EQ(record.Public.dmPaperLength, back.Public.dmPaperLength);
    }
}

TEST(TicketMapping, ValuesOutsideTheirRangesGetTheDefault)
{
    CatalogueLabels labels = DemoLabels();
    const DriverDevMode away = RecordAwayFromDefaults(&labels);
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind != TicketKind::Number)
            continue;
        const TicketRange range = TicketSettingRange(setting);
        for (const int64_t value :
             {range.Minimum - 1, range.Maximum + 1, int64_t{INT64_MAX}, int64_t{65536} + 5}) {
            if (value >= range.Minimum && value <= range.Maximum)
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
    struct Case {
        TicketSpace Space;
        const char* Feature;
        const char* Option;
    } options[] = {
        {TicketSpace::Private, "Cutter", "Sideways"}, {TicketSpace::Private, "NoSuchFeature", "On"},
        {TicketSpace::Keywords, "Cutter", "On"},      {TicketSpace::Private, "PrintSpeed", "On"},
        {TicketSpace::Private, nullptr, nullptr},
    };
    for (const Case& c : options)
        EXPECT_FALSE(TakeTicketOption(&values, c.Space, c.Feature, c.Space, c.Option)) << c.Feature;
    const char* numbers[] = {"", "4x", "x4", "--4", "4 4", "0x10", nullptr};
    for (const char* text : numbers)
        EXPECT_FALSE(TakeTicketParameter(&values, TicketSpace::Private, "PrintSpeed", text)) << text;
    EXPECT_FALSE(TakeTicketParameter(&values, TicketSpace::Private, "Cutter", "1"));
    const char* media[] = {"Label256", "Label0259", "Label40000", "Label", "label259", "Label+259", "ISOA4"};
    for (const char* name : media)
        EXPECT_FALSE(TakeTicketMediaSize(&values, TicketSpace::Private, name, "1", "1")) << name;
    EXPECT_FALSE(TakeTicketMediaSize(&values, TicketSpace::Private, "UserSize", "wide", "1"));
    for (const TicketValue& value : values.Values)
        EXPECT_FALSE(value.Present);

    EXPECT_TRUE(TakeTicketParameter(&values, TicketSpace::Private, "PrintSpeed", " -99999999999999999999 "));
    EXPECT_EQ(-INT64_MAX, values.Values[FindTicketSetting(TicketSpace::Private, "PrintSpeed")].Number);
    EXPECT_TRUE(TakeTicketMediaSize(&values, TicketSpace::Private, "Label32767", nullptr, nullptr));
    EXPECT_EQ(32767, values.Paper.PaperSize);
}

TEST(TicketMapping, ValidationResolvesRangesDependenciesAndLabelsThatLeft)
{
    CatalogueLabels labels = DemoLabels();
    const PrinterOptions none = {0, 0};
    const PrinterOptions both = {1, 1};
    struct Case {
        const char* What;
        TicketSpace Space;
        const char* Name;
        const char* Value; /* a parameter's text, or an option's name */
        PrinterOptions Options;
        int Conflicts;
        int64_t Result;
    } cases[] = {
        {"speed in range", TicketSpace::Private, "PrintSpeed", "4", none, 0, 4},
        {"speed too high", TicketSpace::Private, "PrintSpeed", "8", none, 1, 3},
        {"head below range", TicketSpace::Private, "HeadIntensity3", "0", none, 1, 10},
        {"cutter without one", TicketSpace::Private, "Cutter", "On", none, 1, 0},
        {"cutter installed", TicketSpace::Private, "Cutter", "On", both, 0, 1},
        {"pullback without one", TicketSpace::Private, "Pullback", "On", none, 1, 0},
        {"cut value, cutter off", TicketSpace::Private, "CutEvery", "12", none, 0, 12},
        {"copies too many", TicketSpace::Keywords, "JobCopiesAllDocuments", "25001", none, 1, 1},
        {"landscape", TicketSpace::Keywords, "PageOrientation", "Landscape", none, 0, OrientationLandscape},
    };
    for (const Case& c : cases) {
        TicketValues values;
        ClearTicketValues(&values);
        const int index = FindTicketSetting(c.Space, c.Name);
        ASSERT_GE(index, 0) << c.What;
        ASSERT_TRUE(TicketSettings[index].Kind == TicketKind::Choice
                        ? TakeTicketOption(&values, c.Space, c.Name, c.Space, c.Value)
                        : TakeTicketParameter(&values, c.Space, c.Name, c.Value))
            << c.What;
        EXPECT_EQ(c.Conflicts, ValidateTicketValues(&values, c.Options, &labels)) << c.What;
        EXPECT_EQ(c.Result, values.Values[index].Number) << c.What;
        EXPECT_TRUE(values.Values[PaperTicketSetting()].Present) << c.What;
    }

    // A label that left the catalogue gets what a record naming it gets.
    TicketValues values;
    ClearTicketValues(&values);
    ASSERT_TRUE(TakeTicketMediaSize(&values, TicketSpace::Private, "Label999", nullptr, nullptr));
    EXPECT_EQ(1, ValidateTicketValues(&values, none, &labels));
    EXPECT_EQ(PaperSizeUser, values.Paper.PaperSize);
    EXPECT_EQ(FallbackPaperWidth * MicronsPerTenthMm, values.Paper.WidthMicrons);
    ClearTicketValues(&values);
    ASSERT_TRUE(TakeTicketMediaSize(&values, TicketSpace::Private, "Label259", nullptr, nullptr));
    EXPECT_EQ(0, ValidateTicketValues(&values, none, &labels));
    EXPECT_STREQ("Barcode 2x1", values.Text);
}

TEST(TicketMapping, MediaListsEveryLabelAndTheRecordsOwnSize)
{
    CatalogueLabels labels = DemoLabels();
    TicketMedia media[MaxTicketMedia];
    DriverDevMode own;
    DriverDevMode record = MergedDefaults();
    ASSERT_EQ(4, ListTicketMedia(record, &labels, media, &own));
    EXPECT_EQ(259, media[1].PaperSize);
    EXPECT_EQ(50800, media[1].WidthMicrons);
    EXPECT_EQ(25400, media[1].LengthMicrons);
    EXPECT_EQ(50000, media[2].WidthMicrons);
    EXPECT_EQ(PaperSizeUser, media[3].PaperSize);
    EXPECT_EQ(101600, media[3].WidthMicrons);
    record.Public.dmPaperSize = 300;
    EXPECT_EQ(3, ListTicketMedia(record, &labels, media, &own));

    char name[16];
    EXPECT_TRUE(FormatMediaOptionName(259, name, sizeof name));
    EXPECT_STREQ("Label259", name);
    EXPECT_EQ(259, PaperSizeFromMediaOptionName(name));
    EXPECT_TRUE(FormatMediaOptionName(PaperSizeUser, name, sizeof name));
    EXPECT_EQ(PaperSizeUser, PaperSizeFromMediaOptionName(name));
    EXPECT_FALSE(FormatMediaOptionName(9, name, sizeof name));
    EXPECT_FALSE(FormatMediaOptionName(259, name, 4));
}

}  // namespace
