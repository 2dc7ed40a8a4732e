/* DrvDriverEvent: the spooler's notice that the driver was installed or is
 * being removed.  It runs inside the spooler, so it shows nothing. */
#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_seed_win32.h"
#include "labels/stock_update_win32.h"
#include "resources/module_instance.h"
#include "sheet_context/driver_ui_contract.h"
#include "text/bounded_text.h"

#include <wchar.h>

namespace {

/*
 * The folder the spooler installed the driver's files into: that of the
 * configuration file it names, when it names it by its full path (as
 * Windows does), else this library's own, which the spooler loaded from
 * that folder.  Every DRIVER_INFO level from 2 on begins with the fields
 * of DRIVER_INFO_2.
 */
bool FindDriverFolder(DWORD level, const BYTE* driverInfo, wchar_t* folder, size_t size)
{
    folder[0] = L'\0';
    const auto* info = reinterpret_cast<const DRIVER_INFO_2W*>(driverInfo);
    const wchar_t* configFile = level >= 2 && info != nullptr ? info->pConfigFile : nullptr;
    if (configFile != nullptr && wcschr(configFile, L'\\') != nullptr) {
        if (!CopyTextBounded(folder, size, configFile))
            return false;
    } else {
        DWORD length = GetModuleFileNameW(ModuleInstance(), folder, static_cast<DWORD>(size));
        if (length == 0 || length >= size)
            return false;
    }
    *wcsrchr(folder, L'\\') = L'\0';
    return true;
}

/* The catalogue's folder first gets the driver's access list (made, or
 * set again on a folder an earlier release or a first reader made); then a
 * machine without a catalogue is seeded, and one with a catalogue gets the
 * package's new and changed stocks, its own changes kept. */
void TakeStocksFromPackage(DWORD level, const BYTE* driverInfo)
{
    PrepareCatalogueFolderAtInstall();
    wchar_t folder[MAX_PATH];
    if (FindDriverFolder(level, driverInfo, folder, MAX_PATH) && !SeedLabelCatalogue(folder))
        UpdateCatalogueFromPackage(folder);
}

}  // namespace

/* A catalogue that cannot be seeded never fails the installation: the
 * driver works with an empty catalogue, and the site can import its list. */
extern "C" BOOL WINAPI DrvDriverEvent(DWORD event, DWORD level, LPBYTE driverInfo, LPARAM)
{
    /* On removal the catalogue stays: it is the site's data, and the next
     * installation finds it. */
    if (event == DRIVER_EVENT_INITIALIZE)
        TakeStocksFromPackage(level, driverInfo);
    return TRUE;
}
