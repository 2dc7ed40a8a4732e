/* Installed options, the "Custom" form marker, page creation failures and
 * printer events, with single spooler calls made to fail. */
#include <gtest/gtest.h>

#include "sheet_context/sheet_context.h"
#include "sheet_context/spooler_calls.h"
#include "sheet_test_support.h"

namespace {

int readsOfMissingValue = 0;
int formsAdded = 0;

DWORD WINAPI CountingGetPrinterData(HANDLE printer, LPWSTR name, LPDWORD type, LPBYTE data, DWORD size,
                                    LPDWORD needed)
{
    DWORD result = GetPrinterDataW(printer, name, type, data, size, needed);
    if (result != ERROR_SUCCESS)
        ++readsOfMissingValue;
    return result;
}

BOOL WINAPI CountingAddForm(HANDLE printer, DWORD level, LPBYTE form)
{
    ++formsAdded;
    return AddFormW(printer, level, form);
}

class PrinterValues : public ::testing::Test {
protected:
    void TearDown() override
    {
        RestoreSpoolerCalls();
        printer.DeleteValue(L"Pullback");
        printer.DeleteValue(L"Cutter");
    }
    DemoPrinter printer;
};

TEST_F(PrinterValues, OnlyTheValueOneMeansInstalled)
{
    PrinterOptions options = {7, 7};
    printer.SetValue(L"Pullback", 2);
    printer.SetValue(L"Cutter", 1);
    ReadPrinterOptions(printer.Handle(), &options);
    EXPECT_EQ(0u, options.Pullback);
    EXPECT_EQ(1u, options.Cutter);
}

TEST_F(PrinterValues, MissingValueIsReadElevenTimesThenNotInstalled)
{
    printer.SetValue(L"Pullback", 1);
    printer.DeleteValue(L"Cutter");
    Spooler().GetPrinterData = CountingGetPrinterData;
    readsOfMissingValue = 0;
    PrinterOptions options = {};
    ReadPrinterOptions(printer.Handle(), &options);
    EXPECT_EQ(1u, options.Pullback);
    EXPECT_EQ(0u, options.Cutter);
    EXPECT_EQ(11, readsOfMissingValue);
}

TEST_F(PrinterValues, CustomFormIsAddedUntilMarked)
{
    Spooler().AddForm = CountingAddForm;
    printer.SetValue(L"Forms?", 0);
    formsAdded = 0;
    EnsureCustomForm(printer.Handle());
    EXPECT_EQ(1, formsAdded);
    DWORD marker = 0;
    EXPECT_TRUE(printer.ReadValue(L"Forms?", &marker));
    EXPECT_EQ(2u, marker);

    EnsureCustomForm(printer.Handle());
    EXPECT_EQ(1, formsAdded);
}

HPROPSHEETPAGE WINAPI FailPageCreation(LPCPROPSHEETPAGEW)
{
    return nullptr;
}

LONG_PTR CALLBACK IgnoreHost(HANDLE, UINT, LPARAM, LPARAM)
{
    return 1;
}

TEST_F(PrinterValues, PageThatCannotBeCreatedEndsTheSheet)
{
    UseProgramAsModule();
    Spooler().CreatePropertySheetPage = FailPageCreation;
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, nullptr, DM_COPY);
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.pfnComPropSheet = IgnoreHost;
    info.lParamInit = reinterpret_cast<LPARAM>(&header);
    EXPECT_EQ(0, DrvDocumentPropertySheets(&info, 0));
    EXPECT_EQ(0u, info.UserData);
}

TEST(PrinterEvent, OnlyCacheRefreshNeedsTheSpooler)
{
    for (INT event : {1, 2, 3, 4, 6, 7})
        EXPECT_TRUE(DrvPrinterEvent(const_cast<LPWSTR>(L"PDR-7300 Zr"), event, 0, 0)) << event;
    HMODULE spooler = LoadLibraryW(L"spoolss.dll");
    const bool complete = spooler != nullptr && GetProcAddress(spooler, "RevertToPrinterSelf") != nullptr &&
                          GetProcAddress(spooler, "ImpersonatePrinterClient") != nullptr;
    if (spooler != nullptr)
        FreeLibrary(spooler);
    EXPECT_EQ(complete ? TRUE : FALSE,
              DrvPrinterEvent(const_cast<LPWSTR>(L"PDR-7300 Zr"), PRINTER_EVENT_CACHE_REFRESH, 0, 0));
}

}  // namespace
