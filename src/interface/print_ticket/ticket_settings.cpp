#include "print_ticket/ticket_settings.h"

#include <string.h>

#include "resources/resource_ids.h"
#include "settings/private_field_repairs.h"

namespace {

const TicketChoice Switch[] = {{"Off", 0, IDS_TICKET_OFF}, {"On", 1, IDS_TICKET_ON}};
const TicketChoice Orientations[] = {{"Portrait", OrientationPortrait, IDS_TICKET_PORTRAIT},
                                     {"Landscape", OrientationLandscape, IDS_TICKET_LANDSCAPE}};
/* The printer always prints in colour. */
const TicketChoice OutputColors[] = {{"Color", ColorColor, IDS_TICKET_COLOR}};
const TicketChoice PullbackModes[] = {{"Manual", 1, IDS_TICKET_MANUAL},
                                      {"Automatic", 2, IDS_TICKET_AUTOMATIC}};
const TicketChoice ColorModes[] = {{"Process", 0, IDS_TICKET_PROCESS}, {"Spot", 1, IDS_TICKET_SPOT}};
const TicketChoice InkSets[] = {{"CMY", 0, IDS_TICKET_CMY}, {"CMYK", 1, IDS_TICKET_CMYK}};
const TicketChoice HalftoneMethods[] = {
    {"Fine", 0, IDS_TICKET_FINE},
    {"Medium", 1, IDS_TICKET_MEDIUM},
    {"Coarse", 2, IDS_TICKET_COARSE},
    {"ErrorDiffusion", 3, IDS_TICKET_ERROR_DIFFUSION},
    {"Photographic", 4, IDS_TICKET_PHOTOGRAPHIC},
    {"Optimum", 5, IDS_TICKET_OPTIMUM},
};
const TicketChoice Qualities[] = {{"Fast", 0, IDS_TICKET_FAST}, {"Best", 1, IDS_TICKET_BEST}};
const TicketChoice SharpnessSteps[] = {
    {"Sharpness1", 0, IDS_TICKET_SHARPNESS_1},     {"Sharpness25", 1, IDS_TICKET_SHARPNESS_25},
    {"Sharpness50", 2, IDS_TICKET_SHARPNESS_50},   {"Sharpness75", 3, IDS_TICKET_SHARPNESS_75},
    {"Sharpness100", 4, IDS_TICKET_SHARPNESS_100},
};
const TicketChoice IntensitySteps[] = {{"Low", 0, IDS_HALFTONE_INTENSITY_LOW},
                                       {"Med", 1, IDS_HALFTONE_INTENSITY_MED},
                                       {"High", 2, IDS_HALFTONE_INTENSITY_HIGH}};

/* Spot colours are 0x00BBGGRR; a merge clears the top byte. */
constexpr TicketRange SpotColorRange = {0, 0x00FFFFFF, 0};

constexpr uint16_t Private(size_t offset)
{
    return static_cast<uint16_t>(PublicPartSize + offset);
}

#define PUBLIC_FIELD(field) static_cast<uint16_t>(offsetof(PublicDevMode, field)), 2, true
#define PRIVATE_FIELD(field) Private(offsetof(DriverExtra, field)), sizeof(DriverExtra::field), false
#define PRIVATE_SIGNED(field) Private(offsetof(DriverExtra, field)), sizeof(DriverExtra::field), true
#define ELEMENT(field, i, type) \
    Private(offsetof(DriverExtra, field) + (i) * sizeof(type)), sizeof(type), false
#define CHOICES(list) list, static_cast<uint8_t>(sizeof(list) / sizeof(list[0]))
#define NO_CHOICES nullptr, 0

constexpr TicketSpace K = TicketSpace::Keywords;
constexpr TicketSpace P = TicketSpace::Private;
constexpr TicketKind Paper = TicketKind::Paper;
constexpr TicketKind Choice = TicketKind::Choice;
constexpr TicketKind Number = TicketKind::Number;
constexpr TicketKind Text = TicketKind::Text;
constexpr TicketHardware Always = TicketHardware::None;
constexpr TicketHardware Pullback = TicketHardware::Pullback;
constexpr TicketHardware Cutter = TicketHardware::Cutter;

}  // namespace

/* In the order the pages show them: Label, Halftone, Intensity & Speed,
 * Color, Layout, Features. */
const TicketSetting TicketSettings[] = {
    {"PageMediaSize", K, Paper, PUBLIC_FIELD(dmPaperSize), NO_CHOICES, IDS_TICKET_LABEL, nullptr, Always},
    {"LabelName", P, Text, Private(offsetof(DriverExtra, LabelName)), sizeof(DriverExtra::LabelName), false,
     NO_CHOICES, IDS_TICKET_LABEL_NAME, nullptr, Always},
    {"LabelHorizontalOffset", P, Number, PRIVATE_SIGNED(HorizontalOffset), NO_CHOICES, IDS_TICKET_HORZ_OFFSET,
     "steps", Always},
    {"LabelVerticalOffset", P, Number, PRIVATE_SIGNED(VerticalOffset), NO_CHOICES, IDS_TICKET_VERT_OFFSET,
     "steps", Always},
    {"HalftoneMethod", P, Choice, PRIVATE_FIELD(HalftoneMethod), CHOICES(HalftoneMethods),
     IDS_TICKET_HALFTONE, nullptr, Always},
    {"DiffusionQuality", P, Choice, PRIVATE_FIELD(DiffusionQuality), CHOICES(Qualities),
     IDS_TICKET_DIFFUSION_QUALITY, nullptr, Always},
    {"SmoothingFilter", P, Choice, PRIVATE_FIELD(SmoothingFilter), CHOICES(Switch), IDS_TICKET_SMOOTHING,
     nullptr, Always},
    {"Sharpness", P, Choice, PRIVATE_FIELD(Sharpness), CHOICES(SharpnessSteps), IDS_TICKET_SHARPNESS, nullptr,
     Always},
    {"HalftoneIntensity", P, Choice, PRIVATE_FIELD(HalftoneIntensity), CHOICES(IntensitySteps),
     IDS_TICKET_HALFTONE_INTENSITY, nullptr, Always},
    {"PrintSpeed", P, Number, PRIVATE_SIGNED(PrintSpeed), NO_CHOICES, IDS_TICKET_PRINT_SPEED,
     "inchesPerSecond", Always},
    {"HeadIntensity1", P, Number, ELEMENT(HeadIntensity, 0, uint16_t), NO_CHOICES, IDS_TICKET_HEAD1, "steps",
     Always},
    {"HeadIntensity2", P, Number, ELEMENT(HeadIntensity, 1, uint16_t), NO_CHOICES, IDS_TICKET_HEAD2, "steps",
     Always},
    {"HeadIntensity3", P, Number, ELEMENT(HeadIntensity, 2, uint16_t), NO_CHOICES, IDS_TICKET_HEAD3, "steps",
     Always},
    {"HeadIntensity4", P, Number, ELEMENT(HeadIntensity, 3, uint16_t), NO_CHOICES, IDS_TICKET_HEAD4, "steps",
     Always},
    {"PageOutputColor", K, Choice, PUBLIC_FIELD(dmColor), CHOICES(OutputColors), IDS_TICKET_OUTPUT_COLOR,
     nullptr, Always},
    {"ColorMode", P, Choice, PRIVATE_FIELD(ColorMode), CHOICES(ColorModes), IDS_TICKET_COLOR_MODE, nullptr,
     Always},
    {"ProcessColorSet", P, Choice, PRIVATE_FIELD(ProcessColorSet), CHOICES(InkSets), IDS_TICKET_INK_SET,
     nullptr, Always},
    {"CmyOnBack3Heads", P, Choice, PRIVATE_FIELD(CmyOnBack3Heads), CHOICES(Switch), IDS_TICKET_CMY_BACK,
     nullptr, Always},
    {"RedLevel", P, Number, PRIVATE_FIELD(RedLevel), NO_CHOICES, IDS_TICKET_RED_LEVEL, "percent", Always},
    {"GreenLevel", P, Number, PRIVATE_FIELD(GreenLevel), NO_CHOICES, IDS_TICKET_GREEN_LEVEL, "percent",
     Always},
    {"BlueLevel", P, Number, PRIVATE_FIELD(BlueLevel), NO_CHOICES, IDS_TICKET_BLUE_LEVEL, "percent", Always},
    {"Brightness", P, Number, PRIVATE_FIELD(Brightness), NO_CHOICES, IDS_BRIGHTNESS, "percent", Always},
    {"Contrast", P, Number, PRIVATE_FIELD(Contrast), NO_CHOICES, IDS_CONTRAST, "percent", Always},
    {"SpotHead1", P, Choice, ELEMENT(SpotHeadEnabled, 0, uint32_t), CHOICES(Switch), IDS_TICKET_SPOT_HEAD1,
     nullptr, Always},
    {"SpotHead2", P, Choice, ELEMENT(SpotHeadEnabled, 1, uint32_t), CHOICES(Switch), IDS_TICKET_SPOT_HEAD2,
     nullptr, Always},
    {"SpotHead3", P, Choice, ELEMENT(SpotHeadEnabled, 2, uint32_t), CHOICES(Switch), IDS_TICKET_SPOT_HEAD3,
     nullptr, Always},
    {"SpotHead4", P, Choice, ELEMENT(SpotHeadEnabled, 3, uint32_t), CHOICES(Switch), IDS_TICKET_SPOT_HEAD4,
     nullptr, Always},
    {"SpotColor1", P, Number, ELEMENT(SpotHeadColor, 0, uint32_t), NO_CHOICES, IDS_TICKET_SPOT_COLOR1, "bgr",
     Always},
    {"SpotColor2", P, Number, ELEMENT(SpotHeadColor, 1, uint32_t), NO_CHOICES, IDS_TICKET_SPOT_COLOR2, "bgr",
     Always},
    {"SpotColor3", P, Number, ELEMENT(SpotHeadColor, 2, uint32_t), NO_CHOICES, IDS_TICKET_SPOT_COLOR3, "bgr",
     Always},
    {"SpotColor4", P, Number, ELEMENT(SpotHeadColor, 3, uint32_t), NO_CHOICES, IDS_TICKET_SPOT_COLOR4, "bgr",
     Always},
    {"ExactRgbMatch", P, Choice, PRIVATE_FIELD(ExactRgbMatch), CHOICES(Switch), IDS_TICKET_EXACT_RGB, nullptr,
     Always},
    {"PageOrientation", K, Choice, PUBLIC_FIELD(dmOrientation), CHOICES(Orientations), IDS_TICKET_ORIENTATION,
     nullptr, Always},
    {"JobCopiesAllDocuments", K, Number, PUBLIC_FIELD(dmCopies), NO_CHOICES, IDS_TICKET_COPIES, "copies",
     Always},
    {"AlwaysUseDriverSetting", P, Choice, PRIVATE_FIELD(AlwaysUseDriverSetting), CHOICES(Switch),
     IDS_TICKET_ALWAYS_DRIVER, nullptr, Always},
    {"DriverCopies", P, Number, PRIVATE_SIGNED(DriverCopies), NO_CHOICES, IDS_TICKET_DRIVER_COPIES, "copies",
     Always},
    {"TapeThrift", P, Choice, PRIVATE_FIELD(TapeThriftEnabled), CHOICES(Switch), IDS_TICKET_TAPETHRIFT,
     nullptr, Always},
    {"Pullback", P, Choice, PRIVATE_FIELD(PullbackEnabled), CHOICES(Switch), IDS_TICKET_PULLBACK, nullptr,
     Pullback},
    {"PullbackMode", P, Choice, PRIVATE_FIELD(PullbackMode), CHOICES(PullbackModes), IDS_TICKET_PULLBACK_MODE,
     nullptr, Pullback},
    {"Cutter", P, Choice, PRIVATE_FIELD(CutterEnabled), CHOICES(Switch), IDS_TICKET_CUTTER, nullptr, Cutter},
    {"CutEvery", P, Number, PRIVATE_SIGNED(CutEvery), NO_CHOICES, IDS_TICKET_CUT_EVERY, "labels", Cutter},
    {"CutOffset", P, Number, PRIVATE_SIGNED(CutOffset), NO_CHOICES, IDS_TICKET_CUT_OFFSET, "steps", Cutter},
};

#undef PUBLIC_FIELD
#undef PRIVATE_FIELD
#undef PRIVATE_SIGNED
#undef ELEMENT
#undef CHOICES
#undef NO_CHOICES

const int TicketSettingCount = static_cast<int>(sizeof(TicketSettings) / sizeof(TicketSettings[0]));
static_assert(sizeof(TicketSettings) / sizeof(TicketSettings[0]) <= MaxTicketSettings,
              "room for every setting");

int FindTicketSetting(TicketSpace space, const char* name)
{
    if (name == nullptr)
        return -1;
    for (int i = 0; i < TicketSettingCount; ++i) {
        if (TicketSettings[i].Space == space && strcmp(TicketSettings[i].Name, name) == 0)
            return i;
    }
    return -1;
}

int PaperTicketSetting()
{
    return 0;
}

int FindTicketChoice(const TicketSetting& setting, const char* name)
{
    if (name == nullptr)
        return -1;
    for (int i = 0; i < setting.ChoiceCount; ++i) {
        if (strcmp(setting.Choices[i].Name, name) == 0)
            return i;
    }
    return -1;
}

int ChoiceShowingValue(const TicketSetting& setting, int64_t value)
{
    for (int i = 0; i < setting.ChoiceCount; ++i) {
        if (setting.Choices[i].Value == value)
            return i;
    }
    return setting.ChoiceCount > 0 ? 0 : -1;
}

namespace {

/* The span of a setting's options, the first being its default. */
TicketRange ChoiceSpan(const TicketSetting& setting)
{
    TicketRange range = {INT64_MAX, INT64_MIN, 0};
    for (int i = 0; i < setting.ChoiceCount; ++i) {
        const int64_t value = setting.Choices[i].Value;
        range.Minimum = value < range.Minimum ? value : range.Minimum;
        range.Maximum = value > range.Maximum ? value : range.Maximum;
    }
    range.Default = setting.ChoiceCount > 0 ? setting.Choices[0].Value : 0;
    return range;
}

}  // namespace

TicketRange TicketSettingRange(const TicketSetting& setting)
{
    if (setting.Kind == TicketKind::Paper || setting.Kind == TicketKind::Text)
        return {0, -1, 0};
    if (setting.Offset == offsetof(PublicDevMode, dmCopies))
        return {CopiesRange.Minimum, CopiesRange.Maximum, CopiesRange.Minimum};
    /* Public choices, and the pullback mode (any value of which is valid),
       span their options. */
    if (setting.Offset < PublicPartSize)
        return ChoiceSpan(setting);
    const size_t at = static_cast<size_t>(setting.Offset) - PublicPartSize;
    for (const PrivateFieldRule& rule : PrivateFieldRules) {
        if (at >= rule.Offset && at < rule.Offset + static_cast<size_t>(rule.Width) * rule.Count)
            return {rule.Minimum, rule.Maximum, rule.Replacement};
    }
    return setting.Kind == TicketKind::Choice ? ChoiceSpan(setting) : SpotColorRange;
}

int64_t ReadTicketField(const DriverDevMode& record, const TicketSetting& setting)
{
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&record) + setting.Offset;
    if (setting.Width == 2) {
        uint16_t value;
        memcpy(&value, bytes, sizeof value);
        return setting.Signed ? static_cast<int64_t>(static_cast<int16_t>(value)) : value;
    }
    uint32_t value;
    memcpy(&value, bytes, sizeof value);
    return setting.Signed ? static_cast<int64_t>(static_cast<int32_t>(value)) : value;
}

void WriteTicketField(DriverDevMode* record, const TicketSetting& setting, int64_t value)
{
    uint8_t* bytes = reinterpret_cast<uint8_t*>(record) + setting.Offset;
    if (setting.Width == 2) {
        const uint16_t narrow = static_cast<uint16_t>(value);
        memcpy(bytes, &narrow, sizeof narrow);
    } else {
        const uint32_t wide = static_cast<uint32_t>(value);
        memcpy(bytes, &wide, sizeof wide);
    }
}

bool TicketSettingAvailable(const TicketSetting& setting, const PrinterOptions& options)
{
    switch (setting.Needs) {
    case TicketHardware::Pullback:
        return options.Pullback != 0;
    case TicketHardware::Cutter:
        return options.Cutter != 0;
    default:
        return true;
    }
}
