#include <string.h>

#include "settings/devmode_ops.h"
#include "text/bounded_text.h"

const uint16_t DriverVersionTable[4] = {CurrentDriverVersion, CurrentDriverExtraSize, OldDriverVersion,
                                        OldDriverExtraSize};

namespace {

void SetPublicDefaults(PublicDevMode& pub)
{
    static const char16_t customForm[] = u"Custom";
    pub.dmDriverVersion = CurrentDriverVersion;
    pub.dmSpecVersion = CurrentSpecVersion;
    pub.dmSize = PublicPartSize;
    pub.dmDriverExtra = CurrentDriverExtraSize;
    pub.dmFields = DefaultDmFields;
    pub.dmOrientation = OrientationPortrait;
    pub.dmDuplex = DuplexSimplex;
    pub.dmTTOption = TrueTypeBitmap;
    pub.dmDefaultSource = BinFormSource;
    pub.dmColor = ColorColor;
    CopyTextBounded(pub.dmFormName, FormNameChars, customForm);
    pub.dmCopies = 1;
    pub.dmPaperSize = PaperSizeUser;
}

void SetPrivateDefaults(DriverExtra& extra)
{
    extra.Signature = DriverSignature;
    for (uint16_t& head : extra.HeadIntensity)
        head = 10;
    extra.Brightness = 100;
    extra.Contrast = 100;
    extra.RedLevel = 100;
    extra.GreenLevel = 100;
    extra.BlueLevel = 100;
    extra.Option20 = 1;
    extra.PrintSpeed = 3;
    extra.HalftoneMethod = 5;
    extra.DiffusionQuality = 1;
    extra.Sharpness = 4;
    extra.HalftoneIntensity = 1;
    extra.TapeThriftEnabled = 1;
    extra.CutEvery = 1;
    for (uint32_t& head : extra.SpotHeadEnabled)
        head = 1;
    extra.Option212 = 2;
    extra.DriverCopies = 1;
}

}  // namespace

void BuildDefaultDevMode(DriverDevMode* record, const char16_t* deviceName)
{
    memset(record, 0, sizeof(*record));
    if (deviceName != nullptr)
        CopyTextBounded(record->Public.dmDeviceName, DeviceNameChars, deviceName);
    SetPublicDefaults(record->Public);
    SetPrivateDefaults(record->Extra);
}
