/* Capability and job queries as the spooler and applications call them. */
#include "sheet_context/driver_ui_contract.h"

#include "labels/catalogue_snapshot_win32.h"
#include "settings/catalogue_labels.h"
#include "settings/device_capabilities.h"
#include "text/platform_hooks.h"

static_assert(sizeof(WCHAR) == sizeof(char16_t), "UTF-16 units");
static_assert(CapFields == DC_FIELDS && CapPapers == DC_PAPERS && CapPaperSize == DC_PAPERSIZE &&
                  CapMinExtent == DC_MINEXTENT && CapMaxExtent == DC_MAXEXTENT && CapBins == DC_BINS &&
                  CapDuplex == DC_DUPLEX && CapSize == DC_SIZE && CapExtra == DC_EXTRA &&
                  CapVersion == DC_VERSION && CapDriver == DC_DRIVER && CapBinNames == DC_BINNAMES &&
                  CapEnumResolutions == DC_ENUMRESOLUTIONS && CapFileDependencies == DC_FILEDEPENDENCIES &&
                  CapTrueType == DC_TRUETYPE && CapPaperNames == DC_PAPERNAMES &&
                  CapOrientation == DC_ORIENTATION && CapCopies == DC_COPIES,
              "capability indices");

namespace {

/* The lists a caller counts (no buffer) and then fills with a buffer of
 * that many entries; -1 for every other index. */
int CountedListSlot(WORD capability)
{
    switch (capability) {
    case DC_PAPERS:
        return 0;
    case DC_PAPERSIZE:
        return 1;
    case DC_PAPERNAMES:
        return 2;
    default:
        return -1;
    }
}

/* The contract gives the driver no buffer size: a fill after a count of the
 * same list on this thread answers from the catalogue that count gave, so
 * it never writes more entries than the caller made room for. */
void LoadListLabels(WORD capability, const void* output, CatalogueLabels* labels)
{
    const int slot = CountedListSlot(capability);
    if (slot < 0)
        return;
    const CatalogueUse use = output == nullptr ? CatalogueUse::Count : CatalogueUse::Fill;
    labels->Count = CopyDefaultCatalogue(labels->Labels, use, slot);
    labels->Loaded = true;
}

}  // namespace

extern "C" DWORD WINAPI DrvDeviceCapabilities(HANDLE, PWSTR deviceName, WORD capability, PVOID output,
                                              PDEVMODEW devMode)
{
    EnsurePlatformHooks();
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    LoadListLabels(capability, output, &labels);
    const int32_t answer = QueryDeviceCapability(reinterpret_cast<const char16_t*>(deviceName), capability,
                                                 output, devMode, &labels);
    return static_cast<DWORD>(answer);
}

extern "C" BOOL WINAPI DevQueryPrintEx(PDEVQUERYPRINT_INFO query)
{
    /* Only the record is read; the error text is never written. */
    if (query == nullptr)
        return TRUE;
    EnsurePlatformHooks();
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    return DecideJobAcceptance(query->pDevMode, &labels) ? TRUE : FALSE;
}
