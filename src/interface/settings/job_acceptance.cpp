#include "settings/device_capabilities.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"

namespace {

constexpr size_t PaperSizeEnd = offsetof(PublicDevMode, dmPaperSize) + sizeof(int16_t);

/*
 * The paper size as the job itself carries it, not as the merge repaired it.
 * A public part too short to hold one carries none; the merged record then
 * holds the default paper size, which is what such a job prints on.
 */
int16_t PaperSizeTheJobCarries(const void* jobRecord, const DriverDevMode& merged)
{
    if (RecordSize(jobRecord) < PaperSizeEnd)
        return merged.Public.dmPaperSize;
    return static_cast<int16_t>(LoadU16(jobRecord, offsetof(PublicDevMode, dmPaperSize)));
}

}  // namespace

bool DecideJobAcceptance(const void* jobRecord, CatalogueLabels* labels)
{
    if (jobRecord == nullptr)
        return true;
    DriverDevMode merged;
    BuildDefaultDevMode(&merged, nullptr);
    if (!MergeDevModeWithLabels(&merged, jobRecord, labels))
        return false;
    /* Standard papers (below 256) are held without an error text. */
    const int16_t paperSize = PaperSizeTheJobCarries(jobRecord, merged);
    if (paperSize == PaperSizeUser)
        return true;
    if (EnsureCatalogueLoaded(labels) == 0)
        return false;
    return FindLastLabelWithId(labels, paperSize) != nullptr;
}
