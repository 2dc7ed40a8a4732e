#include "sheet_context/spooler_calls.h"

namespace {

SpoolerCalls RealSpoolerCalls()
{
    SpoolerCalls calls;
    calls.OpenPrinter = OpenPrinterW;
    calls.GetPrinter = GetPrinterW;
    calls.ClosePrinter = ClosePrinter;
    calls.GetPrinterData = GetPrinterDataW;
    calls.SetPrinterData = SetPrinterDataW;
    calls.AddForm = AddFormW;
    calls.CreatePropertySheetPage = CreatePropertySheetPageW;
    return calls;
}

SpoolerCalls activeCalls = RealSpoolerCalls();

}  // namespace

SpoolerCalls& Spooler()
{
    return activeCalls;
}

void RestoreSpoolerCalls()
{
    activeCalls = RealSpoolerCalls();
}
