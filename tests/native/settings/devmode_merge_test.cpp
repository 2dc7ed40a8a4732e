#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "merge_test_support.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "text/code_page_text.h"

namespace {

/* Merges into fresh defaults with the given labels; the result is the target. */
struct Merged {
    int result;
    DriverDevMode record;
};

Merged MergeWith(const void* incoming, CatalogueLabels labels = LoadedLabels({}))
{
    Merged merged{0, DefaultRecord(u"Target Printer")};
    merged.result = MergeDevModeWithLabels(&merged.record, incoming, &labels);
    return merged;
}

TEST(MergeDevMode, NoIncomingRecordLeavesTheTargetAlone)
{
    DriverDevMode target = DefaultRecord();
    target.Extra.PrintSpeed = 99;  // even an out-of-range target is not repaired
    const DriverDevMode before = target;
    EXPECT_EQ(1, MergeDevMode(&target, nullptr));
    EXPECT_EQ(0, memcmp(&before, &target, sizeof target));
}

TEST(MergeDevMode, RefusedRecordsLeaveTheTargetUnchanged)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmSize = 100;
    incoming.Public.dmSpecVersion = 0;
    DriverDevMode target = DefaultRecord();
    const DriverDevMode before = target;
    EXPECT_EQ(0, MergeDevMode(&target, &incoming));
    EXPECT_EQ(0, memcmp(&before, &target, sizeof target));

    // Nothing to copy at all is refused as well.
    incoming.Public.dmSize = 0;
    incoming.Public.dmDriverExtra = 0;
    incoming.Public.dmSpecVersion = 0x0401;
    EXPECT_EQ(0, MergeDevMode(&target, &incoming));

    // A target not in the current layout could not hold what the copy writes.
    DriverDevMode valid = DefaultRecord();
    target.Public.dmDriverExtra = 1000;
    EXPECT_EQ(0, MergeDevMode(&target, &valid));
    EXPECT_EQ(0, MergeDevMode(nullptr, &valid));
}

TEST(MergeDevMode, UnusualPublicSizeWithSpecVersionIsMerged)
{
    // 100 bytes of public part reach dmCopies but not dmFormName.
    std::vector<uint8_t> bytes(100, 0);
    DriverDevMode source = DefaultRecord();
    source.Public.dmCopies = 7;
    memcpy(bytes.data(), &source, bytes.size());
    StoreU16(bytes.data(), OffsetSize, 100);
    StoreU16(bytes.data(), OffsetDriverExtra, 0);
    Merged merged = MergeWith(bytes.data());
    ASSERT_EQ(1, merged.result);
    EXPECT_EQ(7, merged.record.Public.dmCopies);
    EXPECT_EQ(u"Default", FormName(merged.record));
}

TEST(MergeDevMode, ForeignPrivatePartIsIgnoredWhilePublicFieldsMerge)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Extra.Signature = 0x12345678;
    incoming.Extra.PrintSpeed = 6;
    memset(incoming.Extra.LabelName, 'x', sizeof incoming.Extra.LabelName);
    incoming.Public.dmCopies = 12;
    incoming.Public.dmOrientation = OrientationLandscape;
    incoming.Public.dmPaperSize = PaperSizeUser;
    incoming.Public.dmPaperWidth = 500;
    incoming.Public.dmPaperLength = 800;

    DriverDevMode target = DefaultRecord();
    target.Extra.PrintSpeed = 5;
    target.Extra.HorizontalOffset = 9999;  // the target's own part is not repaired either
    const DriverExtra before = target.Extra;
    ASSERT_EQ(1, MergeDevMode(&target, &incoming));
    EXPECT_EQ(0, memcmp(&before, &target.Extra, sizeof before));
    EXPECT_EQ(12, target.Public.dmCopies);
    EXPECT_EQ(OrientationLandscape, target.Public.dmOrientation);
    EXPECT_EQ(500, target.Public.dmPaperWidth);
    EXPECT_EQ(u"Custom", FormName(target));
}

TEST(MergeDevMode, ForeignPrivatePartNamingALabelKeepsThePrivateLabelFields)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Extra.Signature = 0;
    incoming.Public.dmPaperSize = 300;
    Merged merged =
        MergeWith(&incoming, LoadedLabels({MakeLabel("Shipping", "4", "6", Inches, 300, "12", "-7")}));
    ASSERT_EQ(1, merged.result);
    EXPECT_EQ(1016, merged.record.Public.dmPaperWidth);
    EXPECT_EQ(u"Shipping", FormName(merged.record));
    EXPECT_STREQ("", merged.record.Extra.LabelName);
    EXPECT_EQ(0, merged.record.Extra.HorizontalOffset);
    EXPECT_EQ(0, merged.record.Extra.VerticalOffset);
}

TEST(MergeDevMode, OlderDriverVersionResetsTheCopyFields)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmDriverVersion = 0x0401;
    incoming.Extra.AlwaysUseDriverSetting = 1;
    incoming.Extra.DriverCopies = 500;
    incoming.Extra.PrintSpeed = 7;
    Merged merged = MergeWith(&incoming);
    ASSERT_EQ(1, merged.result);
    EXPECT_EQ(0u, merged.record.Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(1, merged.record.Extra.DriverCopies);
    EXPECT_EQ(7, merged.record.Extra.PrintSpeed);
    // The merged record stays in the current layout.
    EXPECT_EQ(CurrentDriverVersion, merged.record.Public.dmDriverVersion);
    EXPECT_EQ(CurrentSpecVersion, merged.record.Public.dmSpecVersion);

    incoming.Public.dmDriverVersion = 0x0402;
    merged = MergeWith(&incoming);
    EXPECT_EQ(1u, merged.record.Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(500, merged.record.Extra.DriverCopies);
}

TEST(MergeDevMode, OldLayoutKeepsTheTargetsFieldsBeyondIt)
{
    // 188 + 112 bytes, as the old-format conversion writes them.
    DriverDevMode full = DefaultRecord();
    full.Extra.PrintSpeed = 6;
    full.Extra.DiffusionQuality = 0;
    std::vector<uint8_t> bytes(188 + 112);
    memcpy(bytes.data(), &full, 188);
    memcpy(bytes.data() + 188, &full.Extra, 112);
    StoreU16(bytes.data(), OffsetSize, 188);
    StoreU16(bytes.data(), OffsetSpecVersion, 0x0320);
    StoreU16(bytes.data(), OffsetDriverVersion, 0x0350);
    StoreU16(bytes.data(), OffsetDriverExtra, 112);

    DriverDevMode target = DefaultRecord();
    target.Extra.Sharpness = 2;  // at offset 116, beyond the old part
    target.Extra.CutEvery = 40;
    CatalogueLabels labels = LoadedLabels({});
    ASSERT_EQ(1, MergeDevModeWithLabels(&target, bytes.data(), &labels));
    EXPECT_EQ(6, target.Extra.PrintSpeed);
    EXPECT_EQ(0u, target.Extra.DiffusionQuality);
    EXPECT_EQ(2u, target.Extra.Sharpness);
    EXPECT_EQ(40, target.Extra.CutEvery);
    EXPECT_EQ(1, target.Extra.DriverCopies);
}

TEST(MergeDevMode, UserPaperNeedsAPositiveWidthAndLength)
{
    const struct {
        int16_t width, length;
        const char16_t* form;
        int16_t expectWidth, expectLength;
    } cases[] = {
        {500, 800, u"Custom", 500, 800},
        {1, 1, u"Custom", 1, 1},
        {0, 800, u"Default", 1016, 1524},
        {500, 0, u"Default", 1016, 1524},
        // Negative as signed 16-bit, huge as unsigned.
        {static_cast<int16_t>(0x8000), 800, u"Default", 1016, 1524},
        {500, -1, u"Default", 1016, 1524},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.length);
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = PaperSizeUser;
        incoming.Public.dmPaperWidth = c.width;
        incoming.Public.dmPaperLength = c.length;
        Merged merged = MergeWith(&incoming);
        EXPECT_EQ(PaperSizeUser, merged.record.Public.dmPaperSize);
        EXPECT_EQ(c.form, FormName(merged.record));
        EXPECT_EQ(c.expectWidth, merged.record.Public.dmPaperWidth);
        EXPECT_EQ(c.expectLength, merged.record.Public.dmPaperLength);
    }
}

TEST(MergeDevMode, StandardAndNegativePaperSizesFallBackWithoutReadingTheCatalogue)
{
    for (int16_t paper :
         {int16_t(9), int16_t(1), int16_t(0), int16_t(255), int16_t(-1), static_cast<int16_t>(0x8001)}) {
        SCOPED_TRACE(paper);
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = paper;
        incoming.Public.dmPaperWidth = 500;
        incoming.Public.dmPaperLength = 800;
        DriverDevMode target = DefaultRecord();
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        ASSERT_EQ(1, MergeDevModeWithLabels(&target, &incoming, &labels));
        EXPECT_FALSE(labels.Loaded);
        EXPECT_EQ(PaperSizeUser, target.Public.dmPaperSize);
        EXPECT_EQ(u"Default", FormName(target));
        EXPECT_EQ(1016, target.Public.dmPaperWidth);
        EXPECT_EQ(1524, target.Public.dmPaperLength);
    }
}

TEST(MergeDevMode, LabelIdResolvesSizeNameAndOffsets)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    incoming.Public.dmPaperWidth = 10;  // the label's size replaces these
    incoming.Public.dmPaperLength = 10;
    strcpy(incoming.Extra.LabelName, "stale");
    Merged merged =
        MergeWith(&incoming, LoadedLabels({
                                 MakeLabel("Other", "2", "3", Inches, 257),
                                 MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 300, "-12", "35"),
                             }));
    ASSERT_EQ(1, merged.result);
    EXPECT_EQ(300, merged.record.Public.dmPaperSize);
    EXPECT_EQ(1016, merged.record.Public.dmPaperWidth);
    EXPECT_EQ(1524, merged.record.Public.dmPaperLength);
    EXPECT_EQ(u"Shipping 4x6", FormName(merged.record));
    EXPECT_STREQ("Shipping 4x6", merged.record.Extra.LabelName);
    EXPECT_EQ(-12, merged.record.Extra.HorizontalOffset);
    EXPECT_EQ(35, merged.record.Extra.VerticalOffset);
}

TEST(MergeDevMode, LabelSizesInEveryUnitBecomeTenthsOfAMillimetre)
{
    const LabelEntry labels[] = {
        MakeLabel("mm", "101.6", "152.4", Millimetres, 301),
        MakeLabel("in", "4.00", "6.00", Inches, 301),
        MakeLabel("tenths", "1016", "1524", TenthMillimetres, 301),
    };
    for (const LabelEntry& label : labels) {
        SCOPED_TRACE(label.name);
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = 301;
        Merged merged = MergeWith(&incoming, LoadedLabels({label}));
        EXPECT_EQ(1016, merged.record.Public.dmPaperWidth);
        EXPECT_EQ(1524, merged.record.Public.dmPaperLength);
    }
}

TEST(MergeDevMode, MissingLabelOrEmptyCatalogueFallsBack)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 400;
    incoming.Extra.HorizontalOffset = 5;
    strcpy(incoming.Extra.LabelName, "Kept");
    const CatalogueLabels sets[] = {LoadedLabels({MakeLabel("Near miss", "4.00", "6.00", Inches, 401)}),
                                    LoadedLabels({})};
    for (const CatalogueLabels& labels : sets) {
        Merged merged = MergeWith(&incoming, labels);
        ASSERT_EQ(1, merged.result);
        EXPECT_EQ(PaperSizeUser, merged.record.Public.dmPaperSize);
        EXPECT_EQ(u"Default", FormName(merged.record));
        EXPECT_EQ(1016, merged.record.Public.dmPaperWidth);
        EXPECT_EQ(1524, merged.record.Public.dmPaperLength);
        // The private part comes as it was: no label wrote into it.
        EXPECT_STREQ("Kept", merged.record.Extra.LabelName);
        EXPECT_EQ(5, merged.record.Extra.HorizontalOffset);
    }
}

TEST(MergeDevMode, LastLabelWithADuplicateIdWins)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    Merged merged = MergeWith(&incoming, LoadedLabels({
                                             MakeLabel("First", "2", "3", Inches, 300, "1", "1"),
                                             MakeLabel("Between", "3", "3", Inches, 310),
                                             MakeLabel("Second", "50", "60", Millimetres, 300, "2", "3"),
                                             MakeLabel("After", "1", "1", Inches, 311),
                                         }));
    EXPECT_EQ(u"Second", FormName(merged.record));
    EXPECT_STREQ("Second", merged.record.Extra.LabelName);
    EXPECT_EQ(500, merged.record.Public.dmPaperWidth);
    EXPECT_EQ(600, merged.record.Public.dmPaperLength);
    EXPECT_EQ(2, merged.record.Extra.HorizontalOffset);
    EXPECT_EQ(3, merged.record.Extra.VerticalOffset);
}

TEST(MergeDevMode, OffsetTextsKeepOnlyAnInRangeLeadingInteger)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"12.5", 12},
        {"-1200", -1200},
        {"1200", 1200},
        {"  -3x", -3},
        {"", 0},
        {"abc", 0},
        {"+7", 7},
        // atof reads these as tiny values that the loader accepts; their
        // leading integers are far out of range.
        {"9999e-9", 0},
        {"-1201e-9", 0},
        {"1201", 0},
        {"-1201", 0},
        // Saturating, not wrapping, into range.
        {"4294967", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value, OffsetFromLabelText(c.text));
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = 300;
        Merged merged =
            MergeWith(&incoming, LoadedLabels({MakeLabel("L", "4", "6", Inches, 300, c.text, c.text)}));
        EXPECT_EQ(c.value, merged.record.Extra.HorizontalOffset);
        EXPECT_EQ(c.value, merged.record.Extra.VerticalOffset);
    }
}

TEST(MergeDevMode, OutOfRangeIncomingOffsetOverridesTheLabelsOffset)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    incoming.Extra.HorizontalOffset = 1201;
    incoming.Extra.VerticalOffset = 1200;
    Merged merged = MergeWith(&incoming, LoadedLabels({MakeLabel("L", "4", "6", Inches, 300, "40", "50")}));
    EXPECT_EQ(0, merged.record.Extra.HorizontalOffset);
    EXPECT_EQ(50, merged.record.Extra.VerticalOffset);
}

TEST(MergeDevMode, FormNameOfThirtyTwoCharactersOrMoreIsEmpty)
{
    const std::string name31(31, 'n');
    const std::string name32(32, 'n');
    const std::string name63(63, 'n');
    const struct {
        const std::string* name;
        size_t formLength;
    } cases[] = {{&name31, 31}, {&name32, 0}, {&name63, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name->size());
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = 300;
        Merged merged =
            MergeWith(&incoming, LoadedLabels({MakeLabel(c.name->c_str(), "4.00", "6.00", Inches, 300)}));
        EXPECT_EQ(c.formLength, FormName(merged.record).size());
        // The private name holds the whole label name either way.
        EXPECT_EQ(*c.name, merged.record.Extra.LabelName);
    }
}

/* Stands in for a code page where 0x80 is the euro sign. */
size_t WidenEuro(char16_t* destination, size_t capacity, const char* name)
{
    size_t written = WidenCodePageBytes(destination, capacity, name);
    for (size_t i = 0; i < written; ++i)
        if (destination[i] == 0x80)
            destination[i] = 0x20AC;
    return written;
}

TEST(MergeDevMode, FormNameUsesTheRegisteredConversion)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    const CatalogueLabels labels = LoadedLabels({MakeLabel("Caf\xE9 \x80", "4.00", "6.00", Inches, 300)});

    Merged merged = MergeWith(&incoming, labels);
    EXPECT_EQ(u"Caf\u00E9 \u0080", FormName(merged.record));

    SetCodePageWidener(WidenEuro);
    merged = MergeWith(&incoming, labels);
    SetCodePageWidener(nullptr);
    EXPECT_EQ(u"Caf\u00E9 \u20AC", FormName(merged.record));
    EXPECT_STREQ("Caf\xE9 \x80", merged.record.Extra.LabelName);
}

TEST(MergeDevMode, LabelNameAlwaysEndsInsideItsField)
{
    DriverDevMode incoming = DefaultRecord();
    memset(incoming.Extra.LabelName, 'z', sizeof incoming.Extra.LabelName);
    Merged merged = MergeWith(&incoming);
    EXPECT_EQ(std::string(63, 'z'), merged.record.Extra.LabelName);
}

TEST(MergeDevMode, CopiesFollowTheirFieldBit)
{
    const struct {
        bool carried;
        int16_t copies;
        int16_t expected;
    } cases[] = {
        {true, 0, 1},     {true, 1, 1},       {true, 25000, 25000},
        {true, 25001, 1}, {true, -1, 1},      {true, static_cast<int16_t>(0x8000), 1},
        {false, 0, 42},   {false, 30000, 42}, {false, 7, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.carried << " " << c.copies);
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmCopies = c.copies;
        incoming.Public.dmFields = c.carried ? DmFieldCopies : 0;
        DriverDevMode target = DefaultRecord();
        target.Public.dmCopies = 42;
        target.Public.dmFields = 0;
        ASSERT_EQ(1, MergeDevMode(&target, &incoming));
        EXPECT_EQ(c.expected, target.Public.dmCopies);
        EXPECT_EQ(c.carried, (target.Public.dmFields & DmFieldCopies) != 0);
        // Paper bits are set whatever the incoming fields say.
        EXPECT_EQ(ValidatedPaperFields, target.Public.dmFields & ValidatedPaperFields);
    }
}

TEST(MergeDevMode, PublicMembersFollowTheirRules)
{
    const struct {
        const char* what;
        uint32_t fields;
        int16_t orientation, duplex, color, source;
        int16_t expectOrientation, expectDuplex, expectColor, expectSource;
        uint32_t expectFields;  // besides the paper bits
    } cases[] = {
        {"nothing carried", 0, 2, 3, 2, 7, 1, 2, 1, 15, 0},
        {"valid values", DmFieldOrientation | DmFieldDuplex | DmFieldColor | DmFieldDefaultSource, 2, 3, 1, 7,
         2, 3, 2, 7, DmFieldOrientation | DmFieldDuplex | DmFieldColor | DmFieldDefaultSource},
        {"invalid values", DmFieldOrientation | DmFieldDuplex | DmFieldColor | DmFieldDefaultSource, 3, 4, -5,
         -3, 1, 1, 2, -3, DmFieldOrientation | DmFieldColor | DmFieldDefaultSource},
        {"negative as signed", DmFieldOrientation | DmFieldDuplex, static_cast<int16_t>(0x8001),
         static_cast<int16_t>(0x8001), 2, 15, 1, 1, 1, 15, DmFieldOrientation},
        {"zero", DmFieldOrientation | DmFieldDuplex, 0, 0, 2, 15, 1, 1, 1, 15, DmFieldOrientation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DriverDevMode incoming = DefaultRecord(u"Incoming Name");
        incoming.Public.dmFields = c.fields;
        incoming.Public.dmOrientation = c.orientation;
        incoming.Public.dmDuplex = c.duplex;
        incoming.Public.dmColor = c.color;
        incoming.Public.dmDefaultSource = c.source;
        incoming.Public.dmCollate = 1;
        incoming.Public.dmScale = 50;
        incoming.Public.dmTTOption = 3;

        DriverDevMode target = DefaultRecord(u"Target");
        target.Public.dmFields = 0;
        target.Public.dmDuplex = 2;  // an invalid incoming duplex resets even this
        target.Public.dmColor = 1;
        target.Public.dmCollate = 1;
        ASSERT_EQ(1, MergeDevMode(&target, &incoming));
        EXPECT_EQ(c.expectOrientation, target.Public.dmOrientation);
        EXPECT_EQ(c.expectDuplex, target.Public.dmDuplex);
        EXPECT_EQ(c.expectColor, target.Public.dmColor);
        EXPECT_EQ(c.expectSource, target.Public.dmDefaultSource);
        EXPECT_EQ(c.expectFields | ValidatedPaperFields, target.Public.dmFields);
        EXPECT_EQ(0, target.Public.dmCollate);
        // Members without a rule keep the target's values.
        EXPECT_EQ(0, target.Public.dmScale);
        EXPECT_EQ(1, target.Public.dmTTOption);
        EXPECT_EQ(std::u16string(u"Target"), std::u16string(target.Public.dmDeviceName));
    }
}

TEST(MergeDevMode, SpotColoursLoseTheirHighByte)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Extra.SpotHeadColor[0] = 0xFF123456u;
    incoming.Extra.SpotHeadColor[3] = 0x01ABCDEFu;
    incoming.Extra.CustomColors[5] = 0xFF000001u;  // taken over as it came
    incoming.Extra.Option12 = -77;
    incoming.Extra.PullbackMode = 9;
    Merged merged = MergeWith(&incoming);
    EXPECT_EQ(0x00123456u, merged.record.Extra.SpotHeadColor[0]);
    EXPECT_EQ(0x00ABCDEFu, merged.record.Extra.SpotHeadColor[3]);
    EXPECT_EQ(0xFF000001u, merged.record.Extra.CustomColors[5]);
    EXPECT_EQ(-77, merged.record.Extra.Option12);
    EXPECT_EQ(9u, merged.record.Extra.PullbackMode);
}

}  // namespace
