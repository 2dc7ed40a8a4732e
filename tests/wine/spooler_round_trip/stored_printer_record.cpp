#include "stored_printer_record.h"

#include <winspool.h>

#include "settings/devmode_bytes.h"

namespace {

/* The record a level's information points at. */
DEVMODEW* RecordOf(BYTE* info, DWORD level)
{
    switch (level) {
    case 2:
        return reinterpret_cast<PRINTER_INFO_2W*>(info)->pDevMode;
    case 8:
        return reinterpret_cast<PRINTER_INFO_8W*>(info)->pDevMode;
    case 9:
        return reinterpret_cast<PRINTER_INFO_9W*>(info)->pDevMode;
    default:
        return nullptr;
    }
}

std::vector<BYTE> ReadInfo(HANDLE printer, DWORD level)
{
    DWORD needed = 0;
    GetPrinterW(printer, level, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (needed == 0 || !GetPrinterW(printer, level, info.data(), needed, &needed))
        info.clear();
    return info;
}

}  // namespace

std::vector<uint8_t> ReadStoredRecord(HANDLE printer, DWORD level)
{
    std::vector<BYTE> info = ReadInfo(printer, level);
    const DEVMODEW* record = info.empty() ? nullptr : RecordOf(info.data(), level);
    if (record == nullptr)
        return {};
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(record);
    return std::vector<uint8_t>(bytes, bytes + RecordTotalSize(bytes));
}

bool StoreRecord(HANDLE printer, DWORD level, const std::vector<uint8_t>& record)
{
    std::vector<uint8_t> copy = record;
    DEVMODEW* devMode = copy.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(copy.data());
    if (level == 2) {
        std::vector<BYTE> info = ReadInfo(printer, 2);
        if (info.empty())
            return false;
        auto* printerInfo = reinterpret_cast<PRINTER_INFO_2W*>(info.data());
        printerInfo->pDevMode = devMode;
        // The spooler refuses a level-2 update that also names a descriptor.
        printerInfo->pSecurityDescriptor = nullptr;
        return SetPrinterW(printer, 2, info.data(), 0) != FALSE;
    }
    if (level == 8) {
        PRINTER_INFO_8W info = {devMode};
        return SetPrinterW(printer, 8, reinterpret_cast<BYTE*>(&info), 0) != FALSE;
    }
    PRINTER_INFO_9W info = {devMode};
    return SetPrinterW(printer, 9, reinterpret_cast<BYTE*>(&info), 0) != FALSE;
}

StoredRecordsGuard::StoredRecordsGuard(HANDLE printer)
    : printer(printer), printerRecord(ReadStoredRecord(printer, 2)), userRecord(ReadStoredRecord(printer, 9))
{}

StoredRecordsGuard::~StoredRecordsGuard()
{
    StoreRecord(printer, 2, printerRecord);
    StoreRecord(printer, 9, userRecord);
}
