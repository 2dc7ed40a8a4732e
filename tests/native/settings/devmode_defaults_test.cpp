#include <gtest/gtest.h>
#include <string.h>

#include "settings/devmode_ops.h"

namespace {

DriverDevMode Defaults(const char16_t* name = nullptr)
{
    DriverDevMode record;
    memset(&record, 0xCD, sizeof(record));
    BuildDefaultDevMode(&record, name);
    return record;
}

TEST(DefaultRecord, PublicPartHasTheDriverDefaults)
{
    const DriverDevMode record = Defaults();
    const PublicDevMode& pub = record.Public;
    EXPECT_EQ(0, pub.dmDeviceName[0]);
    EXPECT_EQ(0x0401, pub.dmSpecVersion);
    EXPECT_EQ(0x0402, pub.dmDriverVersion);
    EXPECT_EQ(220, pub.dmSize);
    EXPECT_EQ(288, pub.dmDriverExtra);
    EXPECT_EQ(0x00015B03u, pub.dmFields);
    EXPECT_EQ(1, pub.dmOrientation);
    EXPECT_EQ(256, pub.dmPaperSize);
    EXPECT_EQ(0, pub.dmPaperLength);
    EXPECT_EQ(0, pub.dmPaperWidth);
    EXPECT_EQ(1, pub.dmCopies);
    EXPECT_EQ(15, pub.dmDefaultSource);
    EXPECT_EQ(2, pub.dmColor);
    EXPECT_EQ(1, pub.dmDuplex);
    EXPECT_EQ(1, pub.dmTTOption);
    EXPECT_EQ(0, pub.dmCollate);
    EXPECT_EQ(0, memcmp(pub.dmFormName, u"Custom", sizeof(u"Custom")));
}

TEST(DefaultRecord, EveryOtherByteIsZero)
{
    DriverDevMode expected;
    memset(&expected, 0, sizeof(expected));
    DriverDevMode record = Defaults();
    // Blank out what the other tests check field by field; nothing may remain.
    PublicDevMode& pub = record.Public;
    memset(pub.dmFormName, 0, sizeof(pub.dmFormName));
    pub.dmSpecVersion = pub.dmDriverVersion = pub.dmSize = pub.dmDriverExtra = 0;
    pub.dmFields = 0;
    pub.dmOrientation = pub.dmPaperSize = pub.dmCopies = pub.dmDefaultSource = 0;
    pub.dmColor = pub.dmDuplex = pub.dmTTOption = 0;
    DriverExtra& x = record.Extra;
    x.Signature = 0;
    memset(x.HeadIntensity, 0, sizeof(x.HeadIntensity));
    x.Brightness = x.Contrast = x.RedLevel = x.GreenLevel = x.BlueLevel = 0;
    x.Option20 = 0;
    x.PrintSpeed = 0;
    x.HalftoneMethod = x.DiffusionQuality = x.Sharpness = x.HalftoneIntensity = 0;
    x.TapeThriftEnabled = 0;
    x.CutEvery = 0;
    memset(x.SpotHeadEnabled, 0, sizeof(x.SpotHeadEnabled));
    x.Option212 = 0;
    x.DriverCopies = 0;
    EXPECT_EQ(0, memcmp(&expected, &record, sizeof(record)));
}

TEST(DefaultRecord, PrivatePartHasTheDriverDefaults)
{
    const DriverExtra x = Defaults().Extra;
    EXPECT_EQ(0x18284000u, x.Signature);
    for (uint16_t head : x.HeadIntensity)
        EXPECT_EQ(10, head);
    for (uint32_t head : x.SpotHeadEnabled)
        EXPECT_EQ(1u, head);
    EXPECT_EQ(100, x.Brightness);
    EXPECT_EQ(100, x.Contrast);
    EXPECT_EQ(100, x.RedLevel);
    EXPECT_EQ(100, x.GreenLevel);
    EXPECT_EQ(100, x.BlueLevel);
    EXPECT_EQ(1u, x.Option20);
    EXPECT_EQ(3, x.PrintSpeed);
    EXPECT_EQ(5u, x.HalftoneMethod);
    EXPECT_EQ(1u, x.DiffusionQuality);
    EXPECT_EQ(4u, x.Sharpness);
    EXPECT_EQ(1u, x.HalftoneIntensity);
    EXPECT_EQ(1u, x.TapeThriftEnabled);
    EXPECT_EQ(1, x.CutEvery);
    EXPECT_EQ(2, x.Option212);
    EXPECT_EQ(1, x.DriverCopies);
    EXPECT_EQ(0u, x.AlwaysUseDriverSetting);
}

TEST(DefaultRecord, DeviceNameIsCopiedWhenItFits)
{
    const char16_t name31[] = u"0123456789012345678901234567890";
    const char16_t name32[] = u"01234567890123456789012345678901";
    EXPECT_EQ(0,
              memcmp(Defaults(u"PDR-7300 Zr").Public.dmDeviceName, u"PDR-7300 Zr", sizeof(u"PDR-7300 Zr")));
    EXPECT_EQ(0, memcmp(Defaults(name31).Public.dmDeviceName, name31, sizeof(name31)));
    // One character too many leaves the name empty rather than cut.
    const DriverDevMode tooLong = Defaults(name32);
    for (char16_t unit : tooLong.Public.dmDeviceName)
        EXPECT_EQ(0, unit);
}

}  // namespace
