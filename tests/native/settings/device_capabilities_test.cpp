#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "merge_test_support.h"
#include "settings/device_capabilities.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "text/code_page_text.h"

namespace {

const uint8_t Guard = 0xA5;

std::vector<uint8_t> U16s(std::initializer_list<uint16_t> values)
{
    std::vector<uint8_t> bytes;
    for (uint16_t v : values) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    return bytes;
}

std::vector<uint8_t> I32s(std::initializer_list<int32_t> values)
{
    std::vector<uint8_t> bytes;
    for (int32_t v : values)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    return bytes;
}

/* Name slots of `units` UTF-16 units; the rest of each slot zero. */
std::vector<uint8_t> Slots(std::initializer_list<std::u16string> names, size_t units)
{
    std::vector<uint8_t> bytes;
    for (const std::u16string& name : names) {
        std::vector<uint8_t> slot(units * 2, 0);
        for (size_t i = 0; i < name.size(); ++i) {
            slot[2 * i] = static_cast<uint8_t>(name[i]);
            slot[2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
        }
        bytes.insert(bytes.end(), slot.begin(), slot.end());
    }
    return bytes;
}

const std::string LongName(40, 'L');

CatalogueLabels ThreeLabels()
{
    return LoadedLabels({
        MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 257),
        MakeLabel("Caf\xE9 \x80", "50", "1000", Millimetres, 300, "5", "-5"),
        MakeLabel(LongName.c_str(), "1287", "30480", TenthMillimetres, 32767),
    });
}

struct Answer {
    int32_t result;
    std::vector<uint8_t> written;  // up to the guard bytes
    bool guardIntact;
};

Answer Ask(uint16_t index, size_t bufferBytes, const void* callerRecord, CatalogueLabels labels)
{
    std::vector<uint8_t> buffer(bufferBytes + 64, Guard);
    Answer answer;
    answer.result = QueryDeviceCapability(u"PDR-7300 Zr", index, buffer.data(), callerRecord, &labels);
    answer.written.assign(buffer.begin(), buffer.begin() + bufferBytes);
    answer.guardIntact = true;
    for (size_t i = bufferBytes; i < buffer.size(); ++i)
        answer.guardIntact = answer.guardIntact && buffer[i] == Guard;
    return answer;
}

/* With no caller's record the paper lists end with the defaults' paper,
   handed out as "Default", 4 x 6 inches. */
TEST(DeviceCapabilities, EveryIndexAnswersAndWritesExactly)
{
    const struct {
        uint16_t index;
        int32_t result;
        std::vector<uint8_t> output;
    } rows[] = {
        {CapFields, 0x00015B03, {}},
        {CapPapers, 4, U16s({257, 300, 32767, 256})},
        {CapPaperSize, 4, I32s({1016, 1524, 500, 10000, 1287, 30480, 1016, 1524})},
        {CapMinExtent, 0x00640064, I32s({100, 100})},
        {CapMaxExtent, 0x77100507, I32s({1287, 30480})},
        {CapBins, 1, U16s({256})},
        {CapDuplex, 1, {}},
        {CapSize, 220, {}},
        {CapExtra, 288, {}},
        {CapVersion, 0x0401, {}},
        {CapDriver, 0x0402, {}},
        // "Feeder" and its terminator; the rest of its slot is not touched.
        {CapBinNames, 1, U16s({'F', 'e', 'e', 'd', 'e', 'r', 0})},
        {CapEnumResolutions, 1, I32s({300, 300})},
        {CapFileDependencies, 0, {}},
        {CapTrueType, 1, {}},
        {CapPaperNames, 4,
         Slots({u"Shipping 4x6", u"Caf\u00E9 \u0080", std::u16string(LongName.begin(), LongName.end()),
                u"Default"},
               64)},
        {CapOrientation, 90, {}},
        {CapCopies, 25000, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(row.output.size(), CapabilityOutputBytes(row.index, 4));
        CatalogueLabels labels = ThreeLabels();
        EXPECT_EQ(row.result, QueryDeviceCapability(nullptr, row.index, nullptr, nullptr, &labels));

        Answer answer = Ask(row.index, row.output.size(), nullptr, ThreeLabels());
        EXPECT_EQ(row.result, answer.result);
        EXPECT_EQ(row.output, answer.written);
        EXPECT_TRUE(answer.guardIntact);
    }
}

TEST(DeviceCapabilities, UnansweredIndicesGiveMinusOneAndWriteNothing)
{
    for (uint16_t index : {0, 19, 20, 31, 0x7FFF, 0xFFFF}) {
        SCOPED_TRACE(index);
        Answer answer = Ask(index, 0, nullptr, ThreeLabels());
        EXPECT_EQ(-1, answer.result);
        EXPECT_TRUE(answer.guardIntact);
    }
}

TEST(DeviceCapabilities, ListsOfAnEmptyCatalogueHoldTheRecordsPaperAlone)
{
    const struct {
        uint16_t index;
        std::vector<uint8_t> output;
    } rows[] = {
        {CapPapers, U16s({256})},
        {CapPaperSize, I32s({1016, 1524})},
        {CapPaperNames, Slots({u"Default"}, 64)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        Answer answer = Ask(row.index, row.output.size(), nullptr, LoadedLabels({}));
        EXPECT_EQ(1, answer.result);
        EXPECT_EQ(row.output, answer.written);
        EXPECT_TRUE(answer.guardIntact);
        EXPECT_EQ(row.output.size(), CapabilityOutputBytes(row.index, 1));
    }
}

TEST(DeviceCapabilities, OnlyTheListsReadTheCatalogue)
{
    std::vector<uint8_t> buffer(64 * 2 * MaxLabels);
    for (uint16_t index = 0; index <= 20; ++index) {
        if (index == CapPapers || index == CapPaperSize || index == CapPaperNames)
            continue;  // these read the default file, covered with a real file elsewhere
        SCOPED_TRACE(index);
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        QueryDeviceCapability(nullptr, index, buffer.data(), nullptr, &labels);
        EXPECT_FALSE(labels.Loaded);
    }
}

TEST(DeviceCapabilities, FieldsReportTheMergedRecord)
{
    CatalogueLabels labels = ThreeLabels();
    EXPECT_EQ(0x00015B03, QueryDeviceCapability(nullptr, CapFields, nullptr, nullptr, &labels));

    DriverDevMode caller = DefaultRecord();
    caller.Public.dmFields = 0;  // DM_COPIES clear: the defaults still carry it
    const int32_t fields = QueryDeviceCapability(nullptr, CapFields, nullptr, &caller, &labels);
    EXPECT_EQ(0x00015B0F, fields);

    caller.Public.dmFields = 0xFFFFFFFFu;  // bits the driver does not know stay out
    EXPECT_EQ(0x00015B0F, QueryDeviceCapability(nullptr, CapFields, nullptr, &caller, &labels));
}

TEST(DeviceCapabilities, ARefusedRecordFailsEveryIndex)
{
    DriverDevMode caller = DefaultRecord();
    caller.Public.dmSize = 100;
    caller.Public.dmSpecVersion = 0;
    for (uint16_t index = 1; index <= 18; ++index) {
        SCOPED_TRACE(index);
        Answer answer = Ask(index, 0, &caller, ThreeLabels());
        EXPECT_EQ(-1, answer.result);
        EXPECT_TRUE(answer.guardIntact);
    }
}

TEST(DeviceCapabilities, PaperNamesMatchTheFormNamesAMergeGives)
{
    SetCodePageWidener([](char16_t* destination, size_t capacity, const char* name) -> size_t {
        size_t written = WidenCodePageBytes(destination, capacity, name);
        for (size_t i = 0; i < written; ++i)
            if (destination[i] == 0x80)
                destination[i] = 0x20AC;
        return written;
    });
    const CatalogueLabels labels = ThreeLabels();
    Answer names = Ask(CapPaperNames, 4 * 128, nullptr, labels);
    Answer ids = Ask(CapPapers, 4 * 2, nullptr, labels);
    for (int i : {0, 1, 3}) {  // the third name is too long for a form name
        SCOPED_TRACE(i);
        DriverDevMode incoming = DefaultRecord();
        incoming.Public.dmPaperSize = static_cast<int16_t>(LoadU16(ids.written.data(), 2 * i));
        DriverDevMode merged = DefaultRecord();
        CatalogueLabels copy = labels;
        ASSERT_EQ(1, MergeDevModeWithLabels(&merged, &incoming, &copy));
        EXPECT_EQ(0, memcmp(merged.Public.dmFormName, names.written.data() + 128 * i,
                            sizeof merged.Public.dmFormName));
    }
    EXPECT_EQ(0x20AC, LoadU16(names.written.data(), 128 + 2 * 5));
    SetCodePageWidener(nullptr);
}

struct PaperLists {
    int32_t count;
    Answer ids, sizes, names;
};

/* The three lists for one caller's record, each asked for its count first
   and then into a buffer of exactly that many entries. */
PaperLists ListsFor(const void* callerRecord, const CatalogueLabels& labels)
{
    CatalogueLabels copy = labels;
    PaperLists lists;
    lists.count = QueryDeviceCapability(nullptr, CapPapers, nullptr, callerRecord, &copy);
    lists.ids = Ask(CapPapers, CapabilityOutputBytes(CapPapers, lists.count), callerRecord, labels);
    lists.sizes = Ask(CapPaperSize, CapabilityOutputBytes(CapPaperSize, lists.count), callerRecord, labels);
    lists.names = Ask(CapPaperNames, CapabilityOutputBytes(CapPaperNames, lists.count), callerRecord, labels);
    return lists;
}

TEST(DeviceCapabilities, ARecordNamingPaper256AddsItsPaperAfterTheLabels)
{
    DriverDevMode userSize = DefaultRecord();
    userSize.Public.dmPaperWidth = 500;
    userSize.Public.dmPaperLength = 800;
    DriverDevMode label = DefaultRecord();
    label.Public.dmPaperSize = 300;
    DriverDevMode removedLabel = DefaultRecord();
    removedLabel.Public.dmPaperSize = 301;
    const struct {
        const char* what;
        const DriverDevMode* record;
        bool listed;
        std::u16string name;
        int32_t width, length;
    } cases[] = {
        {"no record", nullptr, true, u"Default", 1016, 1524},
        {"user size", &userSize, true, u"Custom", 500, 800},
        {"label no longer in the catalogue", &removedLabel, true, u"Default", 1016, 1524},
        {"label", &label, false, u"", 0, 0},
    };
    const CatalogueLabels labels = ThreeLabels();
    const PaperLists labelsOnly = ListsFor(&label, labels);
    ASSERT_EQ(3, labelsOnly.count);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PaperLists lists = ListsFor(c.record, labels);
        ASSERT_EQ(c.listed ? 4 : 3, lists.count);
        for (const Answer* answer : {&lists.ids, &lists.sizes, &lists.names}) {
            EXPECT_EQ(lists.count, answer->result);
            EXPECT_TRUE(answer->guardIntact);
        }
        // The labels keep their entries and their order.
        EXPECT_TRUE(std::equal(labelsOnly.ids.written.begin(), labelsOnly.ids.written.end(),
                               lists.ids.written.begin()));
        EXPECT_TRUE(std::equal(labelsOnly.sizes.written.begin(), labelsOnly.sizes.written.end(),
                               lists.sizes.written.begin()));
        EXPECT_TRUE(std::equal(labelsOnly.names.written.begin(), labelsOnly.names.written.end(),
                               lists.names.written.begin()));
        if (!c.listed)
            continue;
        EXPECT_EQ(256, LoadU16(lists.ids.written.data(), 3 * 2));
        EXPECT_EQ(I32s({c.width, c.length}),
                  std::vector<uint8_t>(lists.sizes.written.begin() + 3 * 8, lists.sizes.written.end()));
        EXPECT_EQ(Slots({c.name}, 64),
                  std::vector<uint8_t>(lists.names.written.begin() + 3 * 128, lists.names.written.end()));
    }
}

TEST(JobAcceptance, PaperSizeAsTheJobCarriesIt)
{
    const struct {
        const char* what;
        int16_t paperSize;
        int16_t width;
        bool emptyCatalogue;
        bool accepted;
    } cases[] = {
        {"user size", 256, 500, false, true},
        {"user size without a usable width", 256, 0, false, true},
        {"user size, empty catalogue", 256, 500, true, true},
        {"standard paper", 1, 0, false, false},
        {"standard paper 9", 9, 0, false, false},
        {"label in the catalogue", 300, 0, false, true},
        {"last label id", 32767, 0, false, true},
        {"label not in the catalogue", 301, 0, false, false},
        {"label, empty catalogue", 300, 0, true, false},
        {"negative", -1, 0, false, false},
        {"negative as signed", static_cast<int16_t>(0x8101), 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DriverDevMode job = DefaultRecord();
        job.Public.dmPaperSize = c.paperSize;
        job.Public.dmPaperWidth = c.width;
        job.Public.dmPaperLength = c.width;
        CatalogueLabels labels = c.emptyCatalogue ? LoadedLabels({}) : ThreeLabels();
        EXPECT_EQ(c.accepted, DecideJobAcceptance(&job, &labels));
    }
}

TEST(JobAcceptance, NoRecordPrintsAndARefusedRecordIsHeld)
{
    CatalogueLabels labels = LoadedLabels({});
    EXPECT_TRUE(DecideJobAcceptance(nullptr, &labels));

    DriverDevMode job = DefaultRecord();
    job.Public.dmSize = 100;
    job.Public.dmSpecVersion = 0;
    EXPECT_FALSE(DecideJobAcceptance(&job, &labels));
}

TEST(JobAcceptance, UserSizeJobsDoNotReadTheCatalogue)
{
    DriverDevMode job = DefaultRecord();
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    EXPECT_TRUE(DecideJobAcceptance(&job, &labels));
    EXPECT_FALSE(labels.Loaded);
}

TEST(JobAcceptance, APublicPartTooShortForAPaperSizeUsesTheDefaultPaper)
{
    // Header only: 72 bytes with a dmSpecVersion, no paper size of its own.
    std::vector<uint8_t> job(72, 0);
    StoreU16(job.data(), OffsetSize, 72);
    StoreU16(job.data(), OffsetSpecVersion, 0x0401);
    CatalogueLabels labels = LoadedLabels({});
    EXPECT_TRUE(DecideJobAcceptance(job.data(), &labels));
}

}  // namespace
