#include "settings/devmode_merge.h"

#include <string.h>

#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "settings/private_field_repairs.h"
#include "text/bounded_text.h"
#include "text/code_page_text.h"
#include "text/number_text.h"

namespace {

const char16_t CustomFormName[] = u"Custom";

/* Bits of the incoming dmFields decide which members a caller meant to set. */
bool Carries(const PublicDevMode& scratch, uint32_t field)
{
    return (scratch.dmFields & field) != 0;
}

void ApplyLabel(DriverDevMode* target, const LabelEntry& label, bool privatePresent)
{
    target->Public.dmPaperWidth = LabelSizeInTenthsMm(label.width, label.units);
    target->Public.dmPaperLength = LabelSizeInTenthsMm(label.length, label.units);
    /* A name too long for the form name leaves it empty. */
    WidenCodePageText(target->Public.dmFormName, FormNameChars, label.name);
    if (!privatePresent)
        return;
    CopyTextBounded(target->Extra.LabelName, sizeof target->Extra.LabelName, label.name);
    target->Extra.HorizontalOffset = OffsetFromLabelText(label.horzOffset);
    target->Extra.VerticalOffset = OffsetFromLabelText(label.vertOffset);
}

/* Paper size rules look at dmPaperSize alone, whatever dmFields say. */
void ResolvePaperSize(DriverDevMode* target, const PublicDevMode& scratch, bool privatePresent,
                      CatalogueLabels* labels)
{
    const int16_t paperSize = scratch.dmPaperSize;
    if (paperSize == PaperSizeUser) {
        if (HasUsablePaperSize(scratch)) {
            target->Public.dmPaperSize = PaperSizeUser;
            CopyTextBounded(target->Public.dmFormName, FormNameChars, CustomFormName);
            target->Public.dmPaperWidth = scratch.dmPaperWidth;
            target->Public.dmPaperLength = scratch.dmPaperLength;
            return;
        }
    } else if (paperSize > PaperSizeUser) {
        target->Public.dmPaperSize = paperSize;
        EnsureCatalogueLoaded(labels);
        const LabelEntry* label = FindLastLabelWithId(labels, paperSize);
        if (label != nullptr) {
            ApplyLabel(target, *label, privatePresent);
            return;
        }
    }
    UseFallbackPaper(target->Public);
}

void MergeDefaultSource(PublicDevMode& target, const PublicDevMode& scratch)
{
    if (!Carries(scratch, DmFieldDefaultSource))
        return;
    target.dmFields |= DmFieldDefaultSource;
    target.dmDefaultSource = scratch.dmDefaultSource;
}

void MergeOrientation(PublicDevMode& target, const PublicDevMode& scratch)
{
    if (!Carries(scratch, DmFieldOrientation))
        return;
    target.dmFields |= DmFieldOrientation;
    const bool valid =
        scratch.dmOrientation == OrientationPortrait || scratch.dmOrientation == OrientationLandscape;
    target.dmOrientation = valid ? scratch.dmOrientation : static_cast<int16_t>(OrientationPortrait);
}

void MergeCopies(PublicDevMode& target, const PublicDevMode& scratch)
{
    if (!Carries(scratch, DmFieldCopies))
        return;
    target.dmFields |= DmFieldCopies;
    target.dmCopies = IsInRange(CopiesRange, scratch.dmCopies) ? scratch.dmCopies : 1;
}

/* The printer always prints in colour, whatever was asked. */
void MergeColor(PublicDevMode& target, const PublicDevMode& scratch)
{
    if (!Carries(scratch, DmFieldColor))
        return;
    target.dmFields |= DmFieldColor;
    target.dmColor = ColorColor;
}

void MergeDuplex(PublicDevMode& target, const PublicDevMode& scratch)
{
    if (!Carries(scratch, DmFieldDuplex))
        return;
    if (scratch.dmDuplex >= 1 && scratch.dmDuplex <= 3) {
        target.dmFields |= DmFieldDuplex;
        target.dmDuplex = scratch.dmDuplex;
    } else {
        target.dmDuplex = DuplexSimplex;
    }
}

void RepairPrivatePart(DriverExtra& target, const DriverExtra& incoming)
{
    RepairPrivateFields(&target, &incoming);
    for (uint32_t& color : target.SpotHeadColor)
        color &= 0x00FFFFFFu;
    /* The name is taken over as it came, but the printing side and the pages
       read it as a C string: it must end inside its field. */
    target.LabelName[sizeof target.LabelName - 1] = '\0';
}

}  // namespace

int32_t OffsetFromLabelText(const char* text)
{
    /* The loader checks the text's atof value, which "9999e-9" passes while
       its leading integer does not: the integer is what the record keeps. */
    const int value = ReadLeadingInteger(text);
    return IsInRange(PrintOffsetRange, value) ? value : 0;
}

bool MergeDevModeWithLabels(DriverDevMode* target, const void* incoming, CatalogueLabels* labels)
{
    if (incoming == nullptr)
        return true;
    if (target == nullptr || labels == nullptr || !IsCurrentLayout(target))
        return false;

    /* The incoming values laid over the target's, in the current layout:
       parts the incoming record lacks keep the target's values. */
    DriverDevMode scratch;
    memcpy(&scratch, target, sizeof scratch);
    if (CopyDevMode(incoming, &scratch) <= 0)
        return false;

    const bool privatePresent = scratch.Extra.Signature == DriverSignature;
    if (privatePresent)
        target->Extra = scratch.Extra;

    PublicDevMode& pub = target->Public;
    MergeDefaultSource(pub, scratch.Public);
    MergeOrientation(pub, scratch.Public);
    ResolvePaperSize(target, scratch.Public, privatePresent, labels);
    pub.dmFields |= ValidatedPaperFields;
    MergeCopies(pub, scratch.Public);
    MergeColor(pub, scratch.Public);
    MergeDuplex(pub, scratch.Public);
    pub.dmCollate = 0;

    if (privatePresent)
        RepairPrivatePart(target->Extra, scratch.Extra);
    return true;
}

bool MergeDevMode(DriverDevMode* target, const void* incoming)
{
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    return MergeDevModeWithLabels(target, incoming, &labels);
}
