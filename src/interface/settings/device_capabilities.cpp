#include "settings/device_capabilities.h"

#include <string.h>

#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "settings/private_field_repairs.h"
#include "text/bounded_text.h"
#include "text/code_page_text.h"

namespace {

const char16_t FeederBinName[] = u"Feeder";
constexpr uint32_t FeederBinNameBytes = sizeof(FeederBinName);

constexpr int32_t DuplexAnswer = 1;
constexpr int32_t TrueTypeAsBitmap = 1; /* DCTT_BITMAP */
constexpr int32_t LandscapeRotation = 90;

constexpr uint32_t PaperIdBytes = 2;
constexpr uint32_t PaperSizeBytes = 8;
constexpr uint32_t PaperNameBytes = PaperNameSlotChars * sizeof(char16_t);

int32_t PackExtent(int32_t width, int32_t length)
{
    return static_cast<int32_t>((static_cast<uint32_t>(length) << 16) | static_cast<uint32_t>(width));
}

void WritePair(void* output, int32_t first, int32_t second)
{
    StoreU32(output, 0, static_cast<uint32_t>(first));
    StoreU32(output, 4, static_cast<uint32_t>(second));
}

/* The record's own paper, listed after the labels when the record names
   paper 256: applications find the record's paper by looking it up in these
   lists.  A record without a usable size is listed with the paper the
   driver would hand it out with. */
struct OwnPaper {
    bool Listed;
    DriverDevMode Record;
};

OwnPaper OwnPaperOf(const DriverDevMode* merged)
{
    OwnPaper own;
    own.Listed = merged->Public.dmPaperSize == PaperSizeUser;
    own.Record = *merged;
    if (own.Listed)
        GiveRecordAUsablePaper(&own.Record);
    return own;
}

void WritePaperIds(uint8_t* output, const CatalogueLabels& labels, const OwnPaper& own)
{
    for (int i = 0; i < labels.Count; ++i)
        StoreU16(output, i * PaperIdBytes, static_cast<uint16_t>(labels.Labels[i].id));
    if (own.Listed)
        StoreU16(output, labels.Count * PaperIdBytes, static_cast<uint16_t>(PaperSizeUser));
}

void WritePaperSizes(uint8_t* output, const CatalogueLabels& labels, const OwnPaper& own)
{
    for (int i = 0; i < labels.Count; ++i) {
        const LabelEntry& label = labels.Labels[i];
        const int32_t width = LabelSizeInTenthsMm(label.width, label.units);
        const int32_t length = LabelSizeInTenthsMm(label.length, label.units);
        WritePair(output + i * PaperSizeBytes, width, length);
    }
    if (own.Listed)
        WritePair(output + labels.Count * PaperSizeBytes, own.Record.Public.dmPaperWidth,
                  own.Record.Public.dmPaperLength);
}

/* Each slot is written whole, the name and then zeros, through a local slot
   so a caller's buffer needs no particular alignment. */
void WritePaperNames(uint8_t* output, const CatalogueLabels& labels, const OwnPaper& own)
{
    for (int i = 0; i < labels.Count; ++i) {
        char16_t slot[PaperNameSlotChars] = {};
        WidenCodePageText(slot, PaperNameSlotChars, labels.Labels[i].name);
        memcpy(output + i * PaperNameBytes, slot, PaperNameBytes);
    }
    if (own.Listed) {
        const char16_t* formName = own.Record.Public.dmFormName;
        char16_t slot[PaperNameSlotChars] = {};
        memcpy(slot, formName, TextLength(formName, FormNameChars) * sizeof(char16_t));
        memcpy(output + labels.Count * PaperNameBytes, slot, PaperNameBytes);
    }
}

void WriteBinName(uint8_t* output)
{
    char16_t slot[BinNameSlotChars];
    CopyTextBounded(slot, BinNameSlotChars, FeederBinName);
    memcpy(output, slot, FeederBinNameBytes);
}

bool IsPaperList(uint16_t index)
{
    return index == CapPapers || index == CapPaperSize || index == CapPaperNames;
}

/* A list cut to the labels' limit: the record's own paper goes first, then
   labels from the end. */
void LimitPaperList(CatalogueLabels* labels, OwnPaper* own)
{
    const int limit = labels->ListLimit;
    if (limit < 0 || labels->Count + (own->Listed ? 1 : 0) <= limit)
        return;
    own->Listed = false;
    if (labels->Count > limit)
        labels->Count = limit;
}

int32_t AnswerPaperList(const DriverDevMode* merged, uint16_t index, void* output, CatalogueLabels* labels)
{
    OwnPaper own = OwnPaperOf(merged);
    EnsureCatalogueLoaded(labels);
    LimitPaperList(labels, &own);
    const int count = labels->Count + (own.Listed ? 1 : 0);
    if (output == nullptr || count <= 0)
        return count;
    uint8_t* bytes = static_cast<uint8_t*>(output);
    if (index == CapPapers)
        WritePaperIds(bytes, *labels, own);
    else if (index == CapPaperSize)
        WritePaperSizes(bytes, *labels, own);
    else
        WritePaperNames(bytes, *labels, own);
    return count;
}

}  // namespace

uint32_t CapabilityOutputBytes(uint16_t index, int count)
{
    const uint32_t labels = count > 0 ? static_cast<uint32_t>(count) : 0;
    switch (index) {
    case CapPapers:
        return labels * PaperIdBytes;
    case CapPaperSize:
        return labels * PaperSizeBytes;
    case CapPaperNames:
        return labels * PaperNameBytes;
    case CapMinExtent:
    case CapMaxExtent:
    case CapEnumResolutions:
        return 8;
    case CapBins:
        return 2;
    case CapBinNames:
        return FeederBinNameBytes;
    default:
        return 0;
    }
}

int32_t AnswerDeviceCapability(const DriverDevMode* merged, uint16_t index, void* output,
                               CatalogueLabels* labels)
{
    if (IsPaperList(index))
        return AnswerPaperList(merged, index, output, labels);

    uint8_t* bytes = static_cast<uint8_t*>(output);
    switch (index) {
    case CapFields:
        return static_cast<int32_t>(merged->Public.dmFields);
    case CapMinExtent:
        if (bytes != nullptr)
            WritePair(bytes, MinExtentWidth, MinExtentLength);
        return PackExtent(MinExtentWidth, MinExtentLength);
    case CapMaxExtent:
        if (bytes != nullptr)
            WritePair(bytes, MaxExtentWidth, MaxExtentLength);
        return PackExtent(MaxExtentWidth, MaxExtentLength);
    case CapBins:
        if (bytes != nullptr)
            StoreU16(bytes, 0, static_cast<uint16_t>(BinUser));
        return 1;
    case CapDuplex:
        return DuplexAnswer;
    case CapSize:
        return merged->Public.dmSize;
    case CapExtra:
        return merged->Public.dmDriverExtra;
    case CapVersion:
        return merged->Public.dmSpecVersion;
    case CapDriver:
        return merged->Public.dmDriverVersion;
    case CapBinNames:
        if (bytes != nullptr)
            WriteBinName(bytes);
        return 1;
    case CapEnumResolutions:
        if (bytes != nullptr)
            WritePair(bytes, ResolutionDpi, ResolutionDpi);
        return 1;
    case CapFileDependencies:
        /* An empty list: a caller sized its buffer from this 0, so nothing
           may be written into it. */
        return 0;
    case CapTrueType:
        return TrueTypeAsBitmap;
    case CapOrientation:
        return LandscapeRotation;
    case CapCopies:
        return CopiesRange.Maximum;
    default:
        return -1;
    }
}

int32_t QueryDeviceCapability(const char16_t* deviceName, uint16_t index, void* output,
                              const void* callerRecord, CatalogueLabels* labels)
{
    DriverDevMode merged;
    BuildDefaultDevMode(&merged, deviceName);
    if (!MergeDevModeWithLabels(&merged, callerRecord, labels))
        return -1;
    return AnswerDeviceCapability(&merged, index, output, labels);
}
