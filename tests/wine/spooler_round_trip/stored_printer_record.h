/*
 * The printer's stored settings records as the spooler keeps them: the
 * printer's defaults (levels 2 and 8) and the user's (level 9), read and
 * written through GetPrinterW and SetPrinterW, and put back as they were
 * after a test.
 */
#ifndef PDR_TESTS_STORED_PRINTER_RECORD_H
#define PDR_TESTS_STORED_PRINTER_RECORD_H

#include <windows.h>

#include <stdint.h>

#include <vector>

/* The record at `level` (2, 8 or 9) as GetPrinterW hands it out; empty
 * when the call fails or carries no record. */
std::vector<uint8_t> ReadStoredRecord(HANDLE printer, DWORD level);

/* Stores `record` (empty for none) at `level` through SetPrinterW. */
bool StoreRecord(HANDLE printer, DWORD level, const std::vector<uint8_t>& record);

/* Both stored records as a test found them, put back when it ends. */
class StoredRecordsGuard {
public:
    explicit StoredRecordsGuard(HANDLE printer);
    ~StoredRecordsGuard();

private:
    HANDLE printer;
    std::vector<uint8_t> printerRecord;
    std::vector<uint8_t> userRecord;
};

#endif
