/* Printer-level values: installed options and the "Custom" form marker. */
#include "sheet_context/sheet_context.h"
#include "sheet_context/spooler_calls.h"
#include "text/bounded_text.h"

namespace {

/* The spooler can answer a read transiently with an error while another
 * process writes the printer's data, so an option is asked for several
 * times before it counts as not installed. */
const int OptionReadAttempts = 11;

uint32_t ReadInstalledOption(HANDLE printer, const wchar_t* valueName)
{
    for (int attempt = 0; attempt < OptionReadAttempts; ++attempt) {
        DWORD type = 0;
        DWORD value = 0;
        DWORD needed = 0;
        if (Spooler().GetPrinterData(printer, const_cast<LPWSTR>(valueName), &type,
                                     reinterpret_cast<LPBYTE>(&value), sizeof(value),
                                     &needed) == ERROR_SUCCESS)
            return value == 1 ? 1 : 0;
    }
    return 0;
}

bool WriteInstalledOption(HANDLE printer, const wchar_t* valueName, uint32_t installed)
{
    DWORD value = installed;
    return Spooler().SetPrinterData(printer, const_cast<LPWSTR>(valueName), REG_DWORD,
                                    reinterpret_cast<LPBYTE>(&value), sizeof(value)) == ERROR_SUCCESS;
}

}  // namespace

void ReadPrinterOptions(HANDLE printer, PrinterOptions* options)
{
    options->Pullback = ReadInstalledOption(printer, L"Pullback");
    options->Cutter = ReadInstalledOption(printer, L"Cutter");
}

bool WriteDeviceOptions(HANDLE printer, const PrinterOptions* options)
{
    // "Cutter" follows "Pullback" only: a printer whose data refused the
    // first value keeps both as they were rather than half of a change.
    return WriteInstalledOption(printer, L"Pullback", options->Pullback) &&
           WriteInstalledOption(printer, L"Cutter", options->Cutter);
}

void EnsureCustomForm(HANDLE printer)
{
    DWORD type = 0;
    DWORD marker = 0;
    DWORD needed = 0;
    if (Spooler().GetPrinterData(printer, const_cast<LPWSTR>(L"Forms?"), &type,
                                 reinterpret_cast<LPBYTE>(&marker), sizeof(marker),
                                 &needed) == ERROR_SUCCESS &&
        marker > 0)
        return;

    /* The spooler's form names hold at most 32 characters. */
    wchar_t formName[33];
    CutTextToFit(formName, 33, L"Custom");
    FORM_INFO_1W form = {};
    form.Flags = FORM_USER;
    form.pName = formName;
    Spooler().AddForm(printer, 1, reinterpret_cast<LPBYTE>(&form));

    DWORD added = 2;
    Spooler().SetPrinterData(printer, const_cast<LPWSTR>(L"Forms?"), REG_DWORD,
                             reinterpret_cast<LPBYTE>(&added), sizeof(added));
}
