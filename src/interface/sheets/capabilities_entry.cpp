/* Capability and job queries as the spooler and applications call them. */
#include "sheet_context/driver_ui_contract.h"

#include "settings/catalogue_labels.h"
#include "settings/device_capabilities.h"
#include "settings/paper_lists_win32.h"
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

/* The paper lists, numbered for the memory of counts; -1 for every other
 * index. */
int PaperListNumber(WORD capability)
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

}  // namespace

/* The contract gives the driver no buffer size: a paper list's fill answers
 * no more entries than the count it may belong to, and from that count's
 * list (settings/paper_list_counts.h). */
extern "C" DWORD WINAPI DrvDeviceCapabilities(HANDLE, PWSTR deviceName, WORD capability, PVOID output,
                                              PDEVMODEW devMode)
{
    EnsurePlatformHooks();
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    const int list = PaperListNumber(capability);
    if (list >= 0 && output == nullptr)
        LoadCountedPaperList(&labels);
    else if (list >= 0)
        LoadFilledPaperList(&labels);
    const int32_t answer = QueryDeviceCapability(reinterpret_cast<const char16_t*>(deviceName), capability,
                                                 output, devMode, &labels);
    if (list >= 0 && output == nullptr && answer >= 0)
        RememberCountedPaperList(list, labels, answer);
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
