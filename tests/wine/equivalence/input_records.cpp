#include "input_records.h"

#include <string.h>

#include "observation_log.h"
#include "record_mutator.h"

namespace {

const uint64_t HostileSeed = 0x7300;
const uint8_t AreaFilling = 0xA5;
/* The filling after a record that is checked for writes. */
const size_t CheckedFilling = 1024;
/* The largest record a header can claim, and some room behind it. */
const size_t AreaBytes = 2 * 0xFFFF + 4096;

template <typename Field>
void Put(DriverDevMode& record, size_t offset, Field value)
{
    memcpy(reinterpret_cast<uint8_t*>(&record) + offset, &value, sizeof value);
}

void CopyWide(char16_t* to, const char16_t* text)
{
    while ((*to++ = *text++) != 0) {
    }
}

/* A record in a shorter public part or with another private part, moved
 * the way a caller of that layout lays it out. */
CallerInput Relaid(const std::string& name, const DriverDevMode& record, uint16_t size,
                   uint16_t layoutVersion, uint16_t extra, uint16_t version)
{
    // A caller's buffer holds at least the header that states the sizes.
    const size_t header = offsetof(PublicDevMode, dmFields);
    std::vector<uint8_t> bytes(size + extra > header ? size + extra : header, 0);
    memcpy(bytes.data(), &record, size < size_t(PublicPartSize) ? size : size_t(PublicPartSize));
    const size_t kept = extra < size_t(CurrentDriverExtraSize) ? extra : size_t(CurrentDriverExtraSize);
    memcpy(bytes.data() + size, &record.Extra, kept);
    DriverDevMode sizes = record;
    sizes.Public.dmSize = size;
    sizes.Public.dmSpecVersion = layoutVersion;
    sizes.Public.dmDriverExtra = extra;
    sizes.Public.dmDriverVersion = version;
    memcpy(bytes.data() + offsetof(PublicDevMode, dmSpecVersion), &sizes.Public.dmSpecVersion,
           header - offsetof(PublicDevMode, dmSpecVersion));
    return {name, true, bytes};
}

DriverDevMode WithPaper(int16_t paper, int16_t width, int16_t length)
{
    DriverDevMode record = DefaultCallerRecord();
    record.Public.dmPaperSize = paper;
    record.Public.dmPaperWidth = width;
    record.Public.dmPaperLength = length;
    return record;
}

void AddPaperInputs(std::vector<CallerInput>& inputs)
{
    inputs.push_back(InputOf("paper256-sized", WithPaper(256, 500, 800)));
    inputs.push_back(InputOf("paper256-no-width", WithPaper(256, 0, 800)));
    inputs.push_back(InputOf("paper256-no-length", WithPaper(256, 800, 0)));
    inputs.push_back(InputOf("paper256-negative", WithPaper(256, -5, 800)));
    for (int16_t paper : {-1, 0, 1, 9, 255})
        inputs.push_back(InputOf("paper" + std::to_string(paper), WithPaper(paper, 1000, 1000)));
    // Ids of the recorder's catalogue: present, duplicated, given by
    // position, and absent.
    for (int16_t id : {257, 258, 259, 263, 265, 300, 301, 302, 32767})
        inputs.push_back(InputOf("label" + std::to_string(id), WithPaper(id, 0, 0)));
    DriverDevMode named = WithPaper(258, 0, 0);
    strcpy(named.Extra.LabelName, "Another name");
    named.Extra.HorizontalOffset = 33;
    named.Extra.VerticalOffset = -1300;
    inputs.push_back(InputOf("label258-own-fields", named));
}

void AddLayoutInputs(std::vector<CallerInput>& inputs)
{
    DriverDevMode record = WithPaper(258, 0, 0);
    record.Extra.AlwaysUseDriverSetting = 1;
    record.Extra.DriverCopies = 3;
    record.Public.dmCopies = 10;
    inputs.push_back(Relaid("layout-188-112-0350", record, PublicPartSizeWin95, SpecVersionWin95,
                            OldDriverExtraSize, OldDriverVersion));
    inputs.push_back(Relaid("layout-212-288-0402", record, PublicPartSizeNt4, SpecVersionNt4,
                            CurrentDriverExtraSize, CurrentDriverVersion));
    inputs.push_back(Relaid("layout-188-288-0402", record, PublicPartSizeWin95, SpecVersionWin95,
                            CurrentDriverExtraSize, CurrentDriverVersion));
    inputs.push_back(
        Relaid("layout-220-0-0402", record, PublicPartSize, CurrentSpecVersion, 0, CurrentDriverVersion));
    inputs.push_back(Relaid("layout-220-112-0402", record, PublicPartSize, CurrentSpecVersion,
                            OldDriverExtraSize, CurrentDriverVersion));
    inputs.push_back(Relaid("layout-220-288-0401", record, PublicPartSize, CurrentSpecVersion,
                            CurrentDriverExtraSize, 0x0401));
    inputs.push_back(Relaid("layout-220-288-0350", record, PublicPartSize, CurrentSpecVersion,
                            CurrentDriverExtraSize, OldDriverVersion));
    inputs.push_back(Relaid("layout-220-4000-0402", record, PublicPartSize, CurrentSpecVersion, 4000,
                            CurrentDriverVersion));
    inputs.push_back(Relaid("layout-100-50-v0", record, 100, 0, 50, CurrentDriverVersion));
    inputs.push_back(
        Relaid("layout-100-50-v0401", record, 100, CurrentSpecVersion, 50, CurrentDriverVersion));
    inputs.push_back(Relaid("layout-240-288-v0401", record, 240, CurrentSpecVersion, CurrentDriverExtraSize,
                            CurrentDriverVersion));
    inputs.push_back(Relaid("layout-0-0", record, 0, 0, 0, 0));
    DriverDevMode foreign = record;
    foreign.Extra.Signature = 0x12345678;
    inputs.push_back(InputOf("foreign-signature", foreign));
}

/* One record per private field, just outside its range on each side
 * (fields valid with any value get a value no page writes). */
struct FieldValue {
    const char* Name;
    size_t Offset;
    int Width;
    int64_t Value;
};

const FieldValue PrivateFieldValues[] = {
    {"HorizontalOffset", 4, 4, 1201},
    {"HorizontalOffset", 4, 4, -1201},
    {"VerticalOffset", 8, 4, 1201},
    {"VerticalOffset", 8, 4, -1201},
    {"Option12", 12, 4, 0x7FFFFFFF},
    {"ProcessColorSet", 16, 4, 2},
    {"Option20", 20, 4, 2},
    {"Option24", 24, 4, 4},
    {"Option28", 28, 4, 2},
    {"Option32", 32, 4, 2},
    {"PrintSpeed", 36, 4, 1},
    {"PrintSpeed", 36, 4, 8},
    {"HalftoneMethod", 104, 4, 6},
    {"DiffusionQuality", 108, 4, 2},
    {"SmoothingFilter", 112, 4, 2},
    {"Sharpness", 116, 4, 5},
    {"HalftoneIntensity", 120, 4, 3},
    {"ColorMode", 124, 4, 2},
    {"HeadIntensity1", 128, 2, 0},
    {"HeadIntensity2", 130, 2, 33},
    {"HeadIntensity3", 132, 2, 0xFFFF},
    {"HeadIntensity4", 134, 2, 0},
    {"TapeThriftEnabled", 136, 4, 2},
    {"PullbackEnabled", 140, 4, 2},
    {"PullbackMode", 144, 4, 7},
    {"CutterEnabled", 148, 4, 2},
    {"CutEvery", 152, 4, 0},
    {"CutEvery", 152, 4, 25001},
    {"CutOffset", 156, 4, -1201},
    {"CutOffset", 156, 4, 1201},
    {"Brightness", 160, 2, 201},
    {"Contrast", 162, 2, 201},
    {"RedLevel", 164, 2, 0xFFFF},
    {"GreenLevel", 166, 2, 201},
    {"BlueLevel", 168, 2, 201},
    {"Reserved170", 170, 2, 0xFFFF},
    {"CmyOnBack3Heads", 172, 4, 2},
    {"SpotHeadEnabled1", 176, 4, 2},
    {"SpotHeadEnabled4", 188, 4, 0xFFFFFFFF},
    {"SpotHeadColor1", 192, 4, 0xFF123456},
    {"SpotHeadColor4", 204, 4, 0x80336699},
    {"ExactRgbMatch", 208, 4, 2},
    {"Option212", 212, 4, 3},
    {"Option212", 212, 4, -3},
    {"CustomColors1", 216, 4, 0xFF00FF00},
    {"AlwaysUseDriverSetting", 280, 4, 2},
    {"DriverCopies", 284, 2, 0},
    {"DriverCopies", 284, 2, 25001},
    {"DriverCopies", 284, 2, 0x8000},
    {"Reserved286", 286, 2, 0xFFFF},
};

void Store(DriverDevMode& record, const FieldValue& field)
{
    const size_t at = PublicPartSize + field.Offset;
    if (field.Width == 2)
        Put(record, at, static_cast<uint16_t>(field.Value));
    else
        Put(record, at, static_cast<uint32_t>(field.Value));
}

void AddPrivateFieldInputs(std::vector<CallerInput>& inputs)
{
    DriverDevMode everyField = WithPaper(257, 0, 0);
    for (const FieldValue& field : PrivateFieldValues) {
        DriverDevMode record = WithPaper(257, 0, 0);
        Store(record, field);
        Store(everyField, field);
        inputs.push_back(
            InputOf(Format("private-%s=%lld", field.Name, static_cast<long long>(field.Value)), record));
    }
    inputs.push_back(InputOf("private-every-field-out-of-range", everyField));
    DriverDevMode unterminated = WithPaper(257, 0, 0);
    memset(unterminated.Extra.LabelName, 'A', sizeof unterminated.Extra.LabelName);
    inputs.push_back(InputOf("private-label-name-unterminated", unterminated));
}

void AddPublicFieldInputs(std::vector<CallerInput>& inputs)
{
    struct PublicCase {
        const char* Name;
        void (*Change)(PublicDevMode&);
    };
    static const PublicCase cases[] = {
        {"orientation-landscape", [](PublicDevMode& p) { p.dmOrientation = 2; }},
        {"orientation-3", [](PublicDevMode& p) { p.dmOrientation = 3; }},
        {"orientation-3-no-field",
         [](PublicDevMode& p) {
             p.dmOrientation = 3;
             p.dmFields &= ~DmFieldOrientation;
         }},
        {"copies-0", [](PublicDevMode& p) { p.dmCopies = 0; }},
        {"copies-25000", [](PublicDevMode& p) { p.dmCopies = 25000; }},
        {"copies-25001", [](PublicDevMode& p) { p.dmCopies = 25001; }},
        {"copies-0-no-field",
         [](PublicDevMode& p) {
             p.dmCopies = 0;
             p.dmFields &= ~DmFieldCopies;
         }},
        {"duplex-2", [](PublicDevMode& p) { p.dmDuplex = 2; }},
        {"duplex-4", [](PublicDevMode& p) { p.dmDuplex = 4; }},
        {"color-1", [](PublicDevMode& p) { p.dmColor = 1; }},
        {"collate-1", [](PublicDevMode& p) { p.dmCollate = 1; }},
        {"source-7", [](PublicDevMode& p) { p.dmDefaultSource = 7; }},
        {"fields-0", [](PublicDevMode& p) { p.dmFields = 0; }},
        {"fields-all", [](PublicDevMode& p) { p.dmFields = 0xFFFFFFFF; }},
        {"device-name-unterminated",
         [](PublicDevMode& p) {
             for (char16_t& unit : p.dmDeviceName)
                 unit = u'D';
         }},
        {"form-name-unterminated",
         [](PublicDevMode& p) {
             for (char16_t& unit : p.dmFormName)
                 unit = u'F';
         }},
        {"other-members-set",
         [](PublicDevMode& p) {
             p.dmScale = 50;
             p.dmPrintQuality = -4;
             p.dmYResolution = 600;
             p.dmLogPixels = 96;
             p.dmICMMethod = 2;
             p.dmPanningHeight = 77;
         }},
    };
    for (const PublicCase& change : cases) {
        DriverDevMode record = WithPaper(256, 700, 900);
        change.Change(record.Public);
        inputs.push_back(InputOf(std::string("public-") + change.Name, record));
    }
}

/* A record the sheets start from: spot mode, photographic halftone, the
 * driver's copy count, head colours and custom colours set. */
void AddSheetInputs(std::vector<CallerInput>& inputs)
{
    DriverDevMode record = WithPaper(300, 0, 0);
    record.Public.dmOrientation = OrientationLandscape;
    record.Public.dmCopies = 10;
    DriverExtra& extra = record.Extra;
    extra.ColorMode = 1;
    extra.ProcessColorSet = 1;
    extra.HalftoneMethod = 4;
    extra.HalftoneIntensity = 2;
    extra.Sharpness = 1;
    extra.SmoothingFilter = 1;
    extra.HeadIntensity[2] = 32;
    extra.PrintSpeed = 6;
    extra.SpotHeadEnabled[1] = 0;
    const uint32_t colours[4] = {0x00336699, 0xFF0000FF, 0x0000FF00, 0x00FF0000};
    memcpy(extra.SpotHeadColor, colours, sizeof colours);
    for (int i = 0; i < 16; ++i)
        extra.CustomColors[i] = 0x00010101u * static_cast<uint32_t>(i * 16);
    extra.Brightness = 150;
    extra.Contrast = 0;
    extra.RedLevel = 200;
    extra.ExactRgbMatch = 1;
    extra.CutterEnabled = 1;
    extra.CutEvery = 1;
    extra.CutOffset = -25;
    extra.PullbackEnabled = 1;
    extra.PullbackMode = 2;
    extra.AlwaysUseDriverSetting = 1;
    extra.DriverCopies = 3;
    inputs.push_back(InputOf("sheet-spot-photographic", record));
}

}  // namespace

DriverDevMode DefaultCallerRecord()
{
    DriverDevMode record = {};
    PublicDevMode& pub = record.Public;
    CopyWide(pub.dmDeviceName, u"PDR-7300 Zr");
    pub.dmSpecVersion = CurrentSpecVersion;
    pub.dmDriverVersion = CurrentDriverVersion;
    pub.dmSize = PublicPartSize;
    pub.dmDriverExtra = CurrentDriverExtraSize;
    pub.dmFields = DefaultDmFields;
    pub.dmOrientation = OrientationPortrait;
    pub.dmPaperSize = PaperSizeUser;
    pub.dmCopies = 1;
    pub.dmDefaultSource = BinFormSource;
    pub.dmColor = ColorColor;
    pub.dmDuplex = DuplexSimplex;
    pub.dmTTOption = TrueTypeBitmap;
    CopyWide(pub.dmFormName, u"Custom");
    DriverExtra& extra = record.Extra;
    extra.Signature = DriverSignature;
    extra.Option20 = 1;
    extra.PrintSpeed = 3;
    extra.HalftoneMethod = 5;
    extra.DiffusionQuality = 1;
    extra.Sharpness = 4;
    extra.HalftoneIntensity = 1;
    for (uint16_t& head : extra.HeadIntensity)
        head = 10;
    extra.TapeThriftEnabled = 1;
    extra.CutEvery = 1;
    extra.Brightness = extra.Contrast = extra.RedLevel = extra.GreenLevel = extra.BlueLevel = 100;
    for (uint32_t& head : extra.SpotHeadEnabled)
        head = 1;
    extra.Option212 = 2;
    extra.DriverCopies = 1;
    return record;
}

CallerInput InputOf(const std::string& name, const DriverDevMode& record)
{
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&record);
    return {name, true, std::vector<uint8_t>(bytes, bytes + sizeof record)};
}

std::vector<CallerInput> NamedInputs()
{
    std::vector<CallerInput> inputs;
    inputs.push_back({"none", false, {}});
    inputs.push_back(InputOf("default", DefaultCallerRecord()));
    AddPaperInputs(inputs);
    AddLayoutInputs(inputs);
    AddPrivateFieldInputs(inputs);
    AddPublicFieldInputs(inputs);
    AddSheetInputs(inputs);
    return inputs;
}

std::vector<CallerInput> HostileInputs(int count)
{
    FuzzRandom random(HostileSeed);
    std::vector<CallerInput> inputs;
    for (int i = 0; i < count; ++i)
        inputs.push_back({Format("random-%03d", i), true, MakeHostileRecord(random)});
    return inputs;
}

const CallerInput* FindInput(const std::vector<CallerInput>& inputs, const std::string& name)
{
    for (const CallerInput& input : inputs)
        if (input.Name == name)
            return &input;
    return nullptr;
}

size_t OutputSizeFor(const CallerInput& input)
{
    if (!input.Present)
        return DriverDevModeSize;
    uint16_t size = 0;
    uint16_t extra = 0;
    if (input.Bytes.size() >= offsetof(PublicDevMode, dmFields)) {
        memcpy(&size, input.Bytes.data() + offsetof(PublicDevMode, dmSize), 2);
        memcpy(&extra, input.Bytes.data() + offsetof(PublicDevMode, dmDriverExtra), 2);
    }
    return static_cast<size_t>(size) + extra;
}

InputArea::InputArea() : area(AreaBytes, AreaFilling) {}

DEVMODEW* InputArea::Place(const CallerInput& input)
{
    // Only the part a record and its checked filling took is restored; the
    // rest of the area is never handed over for writing.
    const size_t length = input.Bytes.size() + CheckedFilling;
    memset(area.data(), AreaFilling, placed.size() > length ? placed.size() : length);
    if (!input.Present) {
        placed.clear();
        return nullptr;
    }
    memcpy(area.data(), input.Bytes.data(), input.Bytes.size());
    placed.assign(area.begin(), area.begin() + length);
    return reinterpret_cast<DEVMODEW*>(area.data());
}

bool InputArea::Unchanged() const
{
    return memcmp(area.data(), placed.data(), placed.size()) == 0;
}
