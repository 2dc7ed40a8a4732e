/*
 * The driver's settings record: a DEVMODEW-shaped public part followed by
 * the driver's private part.  The spooler stores these bytes, applications
 * pass them around and the printing side of the driver reads them, so this
 * header is the one definition of the layout.  It needs nothing but the C
 * standard headers and may be included by the printing side as it is.
 *
 * Every multi-byte field is little-endian; the structures below have no
 * packing gaps other than the reserved fields, which the static checks at
 * the end of this file pin down.
 */
#ifndef PDR_SETTINGS_DRIVER_DEVMODE_H
#define PDR_SETTINGS_DRIVER_DEVMODE_H

#include <stddef.h>
#include <stdint.h>

/* Record framing. */
enum : uint16_t {
    PublicPartSize = 220,      /* dmSize of the current layout */
    PublicPartSizeWin95 = 188, /* dmSize up to dmDisplayFrequency */
    PublicPartSizeNt4 = 212,   /* dmSize up to dmReserved2 */
    CurrentSpecVersion = 0x0401,
    SpecVersionWin95 = 0x0320,
    SpecVersionNt4 = 0x0400,
    CurrentDriverVersion = 0x0402,
    CurrentDriverExtraSize = 288,
    OldDriverVersion = 0x0350,
    OldDriverExtraSize = 112,
};

enum : uint32_t { DriverDevModeSize = 508, DriverSignature = 0x18284000u };

/* Current version and private size, then the old layout's pair. */
extern const uint16_t DriverVersionTable[4];

/* dmFields bits the driver sets or reads. */
enum : uint32_t {
    DmFieldOrientation = 0x00000001u,
    DmFieldPaperSize = 0x00000002u,
    DmFieldPaperLength = 0x00000004u,
    DmFieldPaperWidth = 0x00000008u,
    DmFieldCopies = 0x00000100u,
    DmFieldDefaultSource = 0x00000200u,
    DmFieldColor = 0x00000800u,
    DmFieldDuplex = 0x00001000u,
    DmFieldTTOption = 0x00004000u,
    DmFieldFormName = 0x00010000u,
    DefaultDmFields = 0x00015B03u,
    ValidatedPaperFields = 0x0001000Eu,
};

/* Public-part values with a fixed meaning. */
enum : int16_t {
    OrientationPortrait = 1,
    OrientationLandscape = 2,
    PaperSizeUser = 256, /* size given by width and length */
    BinFormSource = 15,
    BinUser = 256,
    ColorColor = 2,
    DuplexSimplex = 1,
    TrueTypeBitmap = 1,
};

/* Fallback paper: 4 x 6 inches in tenths of a millimetre. */
enum : int16_t { FallbackPaperWidth = 1016, FallbackPaperLength = 1524 };

enum { DeviceNameChars = 32, FormNameChars = 32 };

/* The printer's four print heads, and the colour chooser's custom colours
 * the record keeps. */
enum { PrintHeadCount = 4, CustomColorCount = 16 };

/* The public part, laid out as the platform's DEVMODEW (printer variant). */
struct PublicDevMode {
    char16_t dmDeviceName[DeviceNameChars]; /*   0 */
    uint16_t dmSpecVersion;                 /*  64 */
    uint16_t dmDriverVersion;               /*  66 */
    uint16_t dmSize;                        /*  68 */
    uint16_t dmDriverExtra;                 /*  70 */
    uint32_t dmFields;                      /*  72 */
    int16_t dmOrientation;                  /*  76 */
    int16_t dmPaperSize;                    /*  78 */
    int16_t dmPaperLength;                  /*  80 */
    int16_t dmPaperWidth;                   /*  82 */
    int16_t dmScale;                        /*  84 */
    int16_t dmCopies;                       /*  86 */
    int16_t dmDefaultSource;                /*  88 */
    int16_t dmPrintQuality;                 /*  90 */
    int16_t dmColor;                        /*  92 */
    int16_t dmDuplex;                       /*  94 */
    int16_t dmYResolution;                  /*  96 */
    int16_t dmTTOption;                     /*  98 */
    int16_t dmCollate;                      /* 100 */
    char16_t dmFormName[FormNameChars];     /* 102 */
    uint16_t dmLogPixels;                   /* 166 */
    uint32_t dmBitsPerPel;                  /* 168 */
    uint32_t dmPelsWidth;                   /* 172 */
    uint32_t dmPelsHeight;                  /* 176 */
    uint32_t dmNup;                         /* 180 */
    uint32_t dmDisplayFrequency;            /* 184 */
    uint32_t dmICMMethod;                   /* 188 */
    uint32_t dmICMIntent;                   /* 192 */
    uint32_t dmMediaType;                   /* 196 */
    uint32_t dmDitherType;                  /* 200 */
    uint32_t dmReserved1;                   /* 204 */
    uint32_t dmReserved2;                   /* 208 */
    uint32_t dmPanningWidth;                /* 212 */
    uint32_t dmPanningHeight;               /* 216 */
};

/* The private part.  Offsets are from its start (220 in the record). */
struct DriverExtra {
    uint32_t Signature;                       /*   0 */
    int32_t HorizontalOffset;                 /*   4 */
    int32_t VerticalOffset;                   /*   8 */
    int32_t Option12;                         /*  12 */
    uint32_t ProcessColorSet;                 /*  16: 0 CMY, 1 CMYK */
    uint32_t Option20;                        /*  20 */
    uint32_t Option24;                        /*  24 */
    uint32_t Option28;                        /*  28 */
    uint32_t Option32;                        /*  32 */
    int32_t PrintSpeed;                       /*  36: inches per second */
    char LabelName[64];                       /*  40: 8-bit code page text, NUL-terminated */
    uint32_t HalftoneMethod;                  /* 104 */
    uint32_t DiffusionQuality;                /* 108 */
    uint32_t SmoothingFilter;                 /* 112 */
    uint32_t Sharpness;                       /* 116 */
    uint32_t HalftoneIntensity;               /* 120 */
    uint32_t ColorMode;                       /* 124: 0 process, 1 spot */
    uint16_t HeadIntensity[PrintHeadCount];   /* 128 */
    uint32_t TapeThriftEnabled;               /* 136 */
    uint32_t PullbackEnabled;                 /* 140 */
    uint32_t PullbackMode;                    /* 144: 1 manual, 2 automatic */
    uint32_t CutterEnabled;                   /* 148 */
    int32_t CutEvery;                         /* 152 */
    int32_t CutOffset;                        /* 156 */
    uint16_t Brightness;                      /* 160: percent, 100 = unchanged */
    uint16_t Contrast;                        /* 162 */
    uint16_t RedLevel;                        /* 164 */
    uint16_t GreenLevel;                      /* 166 */
    uint16_t BlueLevel;                       /* 168 */
    uint8_t Reserved170[2];                   /* 170 */
    uint32_t CmyOnBack3Heads;                 /* 172 */
    uint32_t SpotHeadEnabled[PrintHeadCount]; /* 176 */
    uint32_t SpotHeadColor[PrintHeadCount];   /* 192: 0x00BBGGRR */
    uint32_t ExactRgbMatch;                   /* 208 */
    int32_t Option212;                        /* 212 */
    uint32_t CustomColors[CustomColorCount];  /* 216 */
    uint32_t AlwaysUseDriverSetting;          /* 280 */
    int16_t DriverCopies;                     /* 284 */
    uint8_t Reserved286[2];                   /* 286 */
};

struct DriverDevMode {
    PublicDevMode Public;
    DriverExtra Extra;
};

/* Offsets the printing side and the version rules rely on. */
static_assert(sizeof(PublicDevMode) == PublicPartSize, "public part is 220 bytes");
static_assert(sizeof(DriverExtra) == CurrentDriverExtraSize, "private part is 288 bytes");
static_assert(sizeof(DriverDevMode) == DriverDevModeSize, "record is 508 bytes");
static_assert(offsetof(DriverDevMode, Extra) == PublicPartSize, "private part follows dmSize");

static_assert(offsetof(PublicDevMode, dmSpecVersion) == 64, "");
static_assert(offsetof(PublicDevMode, dmDriverVersion) == 66, "");
static_assert(offsetof(PublicDevMode, dmSize) == 68, "");
static_assert(offsetof(PublicDevMode, dmDriverExtra) == 70, "");
static_assert(offsetof(PublicDevMode, dmFields) == 72, "");
static_assert(offsetof(PublicDevMode, dmOrientation) == 76, "");
static_assert(offsetof(PublicDevMode, dmPaperSize) == 78, "");
static_assert(offsetof(PublicDevMode, dmPaperLength) == 80, "");
static_assert(offsetof(PublicDevMode, dmPaperWidth) == 82, "");
static_assert(offsetof(PublicDevMode, dmCopies) == 86, "");
static_assert(offsetof(PublicDevMode, dmDefaultSource) == 88, "");
static_assert(offsetof(PublicDevMode, dmColor) == 92, "");
static_assert(offsetof(PublicDevMode, dmDuplex) == 94, "");
static_assert(offsetof(PublicDevMode, dmTTOption) == 98, "");
static_assert(offsetof(PublicDevMode, dmCollate) == 100, "");
static_assert(offsetof(PublicDevMode, dmFormName) == 102, "");
static_assert(offsetof(PublicDevMode, dmDisplayFrequency) == 184, "");
static_assert(offsetof(PublicDevMode, dmReserved2) == 208, "");
static_assert(offsetof(PublicDevMode, dmPanningHeight) == 216, "");

static_assert(offsetof(DriverExtra, HorizontalOffset) == 4, "");
static_assert(offsetof(DriverExtra, VerticalOffset) == 8, "");
static_assert(offsetof(DriverExtra, Option12) == 12, "");
static_assert(offsetof(DriverExtra, ProcessColorSet) == 16, "");
static_assert(offsetof(DriverExtra, Option20) == 20, "");
static_assert(offsetof(DriverExtra, Option24) == 24, "");
static_assert(offsetof(DriverExtra, Option28) == 28, "");
static_assert(offsetof(DriverExtra, Option32) == 32, "");
static_assert(offsetof(DriverExtra, PrintSpeed) == 36, "");
static_assert(offsetof(DriverExtra, LabelName) == 40, "");
static_assert(offsetof(DriverExtra, HalftoneMethod) == 104, "");
static_assert(offsetof(DriverExtra, DiffusionQuality) == 108, "");
static_assert(offsetof(DriverExtra, SmoothingFilter) == 112, "");
static_assert(offsetof(DriverExtra, Sharpness) == 116, "");
static_assert(offsetof(DriverExtra, HalftoneIntensity) == 120, "");
static_assert(offsetof(DriverExtra, ColorMode) == 124, "");
static_assert(offsetof(DriverExtra, HeadIntensity) == 128, "");
static_assert(offsetof(DriverExtra, TapeThriftEnabled) == 136, "");
static_assert(offsetof(DriverExtra, PullbackEnabled) == 140, "");
static_assert(offsetof(DriverExtra, PullbackMode) == 144, "");
static_assert(offsetof(DriverExtra, CutterEnabled) == 148, "");
static_assert(offsetof(DriverExtra, CutEvery) == 152, "");
static_assert(offsetof(DriverExtra, CutOffset) == 156, "");
static_assert(offsetof(DriverExtra, Brightness) == 160, "");
static_assert(offsetof(DriverExtra, Contrast) == 162, "");
static_assert(offsetof(DriverExtra, RedLevel) == 164, "");
static_assert(offsetof(DriverExtra, GreenLevel) == 166, "");
static_assert(offsetof(DriverExtra, BlueLevel) == 168, "");
static_assert(offsetof(DriverExtra, Reserved170) == 170, "");
static_assert(offsetof(DriverExtra, CmyOnBack3Heads) == 172, "");
static_assert(offsetof(DriverExtra, SpotHeadEnabled) == 176, "");
static_assert(offsetof(DriverExtra, SpotHeadColor) == 192, "");
static_assert(offsetof(DriverExtra, ExactRgbMatch) == 208, "");
static_assert(offsetof(DriverExtra, Option212) == 212, "");
static_assert(offsetof(DriverExtra, CustomColors) == 216, "");
static_assert(offsetof(DriverExtra, AlwaysUseDriverSetting) == 280, "");
static_assert(offsetof(DriverExtra, DriverCopies) == 284, "");
static_assert(offsetof(DriverExtra, Reserved286) == 286, "");

#endif
