/* DrvConvertDevMode: records between layouts, and the driver's default. */
#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_context/driver_ui_contract.h"
#include "sheet_context/printer_info.h"
#include "sheet_context/spooler_calls.h"

namespace {

BOOL FailWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

/* The caller prepared the output's layout; its header must be readable. */
BOOL ConvertIntoPreparedLayout(const DEVMODEW* in, DEVMODEW* out, LONG* size)
{
    if (out == nullptr || *size < static_cast<LONG>(DevModeHeaderBytes) ||
        *size < static_cast<LONG>(RecordTotalSize(out)) || CopyDevMode(in, out) <= 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    *size = static_cast<LONG>(RecordTotalSize(out));
    return TRUE;
}

BOOL ConvertToOldLayout(const DEVMODEW* in, DEVMODEW* out, LONG* size)
{
    const LONG needed = PublicPartSizeWin95 + OldDriverExtraSize;
    if (out == nullptr || *size < needed) {
        *size = needed;
        return FailWith(ERROR_INSUFFICIENT_BUFFER);
    }
    StoreU16(out, OffsetSize, PublicPartSizeWin95);
    StoreU16(out, OffsetSpecVersion, SpecVersionWin95);
    StoreU16(out, OffsetDriverVersion, OldDriverVersion);
    StoreU16(out, OffsetDriverExtra, OldDriverExtraSize);
    if (CopyDevMode(in, out) <= 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    *size = needed;
    return TRUE;
}

BOOL WriteDriverDefault(LPWSTR printerName, DEVMODEW* out, LONG* size)
{
    const LONG needed = DriverDevModeSize;
    if (out == nullptr || *size < needed) {
        *size = needed;
        return FailWith(ERROR_INSUFFICIENT_BUFFER);
    }
    *size = needed;
    HANDLE printer = nullptr;
    if (!Spooler().OpenPrinter(printerName, &printer, nullptr))
        return FALSE;
    PRINTER_INFO_2W* info = ReadPrinterInfo2(printer);
    if (info == nullptr) {
        Spooler().ClosePrinter(printer);
        return FALSE;
    }
    DriverDevMode* record = reinterpret_cast<DriverDevMode*>(out);
    BuildDefaultDevMode(record, reinterpret_cast<const char16_t*>(info->pDriverName));
    // Handed out, the default names a paper the paper lists contain.
    GiveRecordAUsablePaper(record);
    GlobalFree(info);
    Spooler().ClosePrinter(printer);
    return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI DrvConvertDevMode(LPWSTR printerName, PDEVMODEW in, PDEVMODEW out, PLONG sizeInOut,
                                         DWORD mode)
{
    if (sizeInOut == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    switch (mode) {
    case CDM_CONVERT:
        return ConvertIntoPreparedLayout(in, out, sizeInOut);
    case CDM_CONVERT351:
        return ConvertToOldLayout(in, out, sizeInOut);
    case CDM_DRIVER_DEFAULT:
        return WriteDriverDefault(printerName, out, sizeInOut);
    default:
        return FALSE;
    }
}
