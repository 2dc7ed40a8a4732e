// Any bytes an application or a job hands in as a settings record go through
// the merge, the capability answers and the job check.  Besides the
// sanitizers: a refused record leaves the target untouched, a merged one
// holds only valid values, and no answer writes past the bytes it owns.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "settings/device_capabilities.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/private_field_repairs.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

void AddLabel(CatalogueLabels& labels, int id, const char* name, const char* width, const char* length,
              int units, const char* horz, const char* vert)
{
    LabelEntry& label = labels.Labels[labels.Count++];
    memset(&label, 0, sizeof label);
    snprintf(label.name, sizeof label.name, "%s", name);
    snprintf(label.width, sizeof label.width, "%s", width);
    snprintf(label.length, sizeof label.length, "%s", length);
    snprintf(label.horzOffset, sizeof label.horzOffset, "%s", horz);
    snprintf(label.vertOffset, sizeof label.vertOffset, "%s", vert);
    label.units = units;
    label.id = id;
}

/* Repaired labels as the loader leaves them, with a duplicate id, a name too
   long for a form name and offset texts whose integers are out of range.
   Marked as loaded, so no call reads a file or changes them. */
CatalogueLabels& FuzzLabels()
{
    static CatalogueLabels labels = [] {
        CatalogueLabels l;
        ResetCatalogueLabels(&l);
        AddLabel(l, 257, "Shipping 4x6", "4.00", "6.00", 1, "0", "0");
        AddLabel(l, 300, "First 300", "101.6", "152.4", 0, "9999e-9", "-1200");
        AddLabel(l, 300, "A name of forty characters for the form", "1287", "30480", 2, "12.5", "-1201e-9");
        AddLabel(l, 32767, "Caf\xE9 \x80", "0.40", "120", 1, "", "1200");
        l.Loaded = true;
        return l;
    }();
    return labels;
}

bool IsLabelId(int16_t paperSize)
{
    const CatalogueLabels& labels = FuzzLabels();
    for (int i = 0; i < labels.Count; ++i)
        if (labels.Labels[i].id == paperSize)
            return true;
    return false;
}

void CheckMergedRecord(const DriverDevMode& record)
{
    const PublicDevMode& pub = record.Public;
    Check(pub.dmSize == PublicPartSize && pub.dmDriverExtra == CurrentDriverExtraSize);
    Check(pub.dmSpecVersion == CurrentSpecVersion && pub.dmDriverVersion == CurrentDriverVersion);
    Check((pub.dmFields & ValidatedPaperFields) == ValidatedPaperFields);
    Check(pub.dmPaperSize == PaperSizeUser || IsLabelId(pub.dmPaperSize));
    Check(pub.dmPaperWidth > 0 && pub.dmPaperLength > 0);
    Check(pub.dmCopies >= 1 && pub.dmCopies <= 25000);
    Check(pub.dmOrientation == 1 || pub.dmOrientation == 2);
    Check(pub.dmDuplex >= 1 && pub.dmDuplex <= 3);
    Check(pub.dmColor == ColorColor && pub.dmCollate == 0);
    Check(memchr(pub.dmFormName, 0, sizeof pub.dmFormName) != nullptr);

    const DriverExtra& extra = record.Extra;
    Check(extra.Signature == DriverSignature);
    Check(memchr(extra.LabelName, 0, sizeof extra.LabelName) != nullptr);
    for (uint32_t color : extra.SpotHeadColor)
        Check((color >> 24) == 0);
    for (size_t r = 0; r < PrivateFieldRuleCount; ++r) {
        const PrivateFieldRule& rule = PrivateFieldRules[r];
        for (unsigned i = 0; i < rule.Count; ++i) {
            int64_t value = ReadPrivateField(&extra, rule.Offset + i * rule.Width, rule.Width, rule.Signed);
            Check(value >= rule.Minimum && value <= rule.Maximum);
        }
    }
}

/* Every index, into a heap buffer of exactly the bytes the answer owns. */
void CheckCapabilities(const void* record, int32_t mergeResult)
{
    CatalogueLabels& labels = FuzzLabels();
    for (uint16_t index = 0; index <= 20; ++index) {
        // The paper lists hold the labels and perhaps the record's own paper:
        // a caller sizes its buffer by the count asked first.
        const int32_t without = QueryDeviceCapability(u"Fuzz", index, nullptr, record, &labels);
        const uint32_t bytes = CapabilityOutputBytes(index, without);
        uint8_t* output = static_cast<uint8_t*>(malloc(bytes > 0 ? bytes : 1));
        Check(output != nullptr);
        int32_t withBuffer =
            QueryDeviceCapability(u"Fuzz", index, bytes > 0 ? output : nullptr, record, &labels);
        free(output);
        Check(withBuffer == without);
        if (mergeResult == 0 || index == 0 || index > CapCopies)
            Check(withBuffer == -1);
        if (index == CapPapers && mergeResult == 1)
            Check(without == labels.Count || without == labels.Count + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    // A caller's record is as long as its own header says; the header
    // itself must be there to say it.
    uint8_t header[DevModeHeaderBytes] = {};
    memcpy(header, data, size < sizeof header ? size : sizeof header);
    size_t length = RecordTotalSize(header);
    if (length < sizeof header)
        length = sizeof header;
    uint8_t* record = static_cast<uint8_t*>(malloc(length));
    if (record == nullptr)
        return 0;
    memset(record, 0, length);
    memcpy(record, data, size < length ? size : length);

    DriverDevMode defaults;
    BuildDefaultDevMode(&defaults, u"Fuzz");
    DriverDevMode target = defaults;
    CatalogueLabels& labels = FuzzLabels();
    const int result = MergeDevModeWithLabels(&target, record, &labels);
    Check(result == 0 || result == 1);
    if (result == 0)
        Check(memcmp(&target, &defaults, sizeof target) == 0);
    else
        CheckMergedRecord(target);

    CheckCapabilities(record, result);
    bool accepted = DecideJobAcceptance(record, &labels);
    if (result == 0)
        Check(!accepted);

    free(record);
    return 0;
}
