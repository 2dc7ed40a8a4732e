/*
 * Drives the DLL's exports the way the spooler and applications call them,
 * with hostile records in guarded buffers, and checks what each call wrote.
 */
#ifndef PDR_TESTS_EXPORT_FUZZER_H
#define PDR_TESTS_EXPORT_FUZZER_H

#include <windows.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "guarded_buffer.h"
#include "print_ticket/ticket_provider_win32.h"
#include "record_mutator.h"
#include "sheet_context/driver_ui_contract.h"

struct DriverExports {
    PFNPROPSHEETUI DocumentSheets = nullptr;
    DWORD(WINAPI* DeviceCapabilities)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW) = nullptr;
    BOOL(WINAPI* QueryPrint)(PDEVQUERYPRINT_INFO) = nullptr;
    BOOL(WINAPI* ConvertDevMode)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD) = nullptr;
    /* The print ticket provider, as DllGetClassObject makes it (COM set up
     * by the caller), and the document it writes tickets into. */
    IPrintTicketProvider* TicketProvider = nullptr;
    IXMLDOMDocument2* Ticket = nullptr;

    /* Looks every export up; false when one is missing. */
    bool Load(HMODULE library);
    /* Lets the provider and its document go. */
    void Unload();
};

class ExportFuzzer {
public:
    ExportFuzzer(const DriverExports& exports, HANDLE printer);

    /* One record through every export; returns the calls made. */
    uint64_t RunCase(FuzzRandom& random, const std::vector<uint8_t>& record);

    const std::vector<std::string>& Findings() const
    {
        return findings;
    }

private:
    /* The silent document call; returns its result. */
    LONG CopyRecord(FuzzRandom& random, const std::vector<uint8_t>* record, uint64_t* calls);
    /* Merged again, the record is the same; a second round for the changes
     * a merge makes by design. */
    void CheckFixedPoint(const std::vector<uint8_t>& handedOut, uint64_t* calls, bool secondRound = false);
    void QueryCapabilities(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                           uint64_t* calls);
    void QueryJob(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused, uint64_t* calls);
    void Convert(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused, uint64_t* calls);
    void ConvertAgain(const std::vector<uint8_t>& converted, uint64_t* calls);
    void ConvertToTicket(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                         uint64_t* calls);

    /* The caller's record placed at the guard; null for none. */
    PDEVMODEW PlaceInput(const std::vector<uint8_t>* record);
    void Report(const char* what, const std::vector<uint8_t>* record);

    DriverExports exports;
    HANDLE printer;
    GuardedBuffer input;
    GuardedBuffer output;
    GuardedBuffer secondInput;
    GuardedBuffer secondOutput;
    GuardedBuffer query;
    GuardedBuffer errorText;
    std::vector<std::string> findings;
};

#endif
