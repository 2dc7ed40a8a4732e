/* DrvDocumentPropertySheets without a sheet, as the spooler and
 * DocumentProperties call it, through the DLL's export. */
#include <gtest/gtest.h>
#include <string.h>

#include "document_sheet_fixture.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_context/spooler_calls.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

class SilentDocumentCall : public DocumentEntryFixture {};

TEST_F(SilentDocumentCall, SizeQueriesAnswer508)
{
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, out.get(), 0);
    header.cbOut = 0;
    EXPECT_EQ(508, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(508u, header.cbOut);
    EXPECT_TRUE(out.UntouchedFrom(0));

    header = DocumentHeader(printer.Handle(), nullptr, nullptr, DM_COPY);
    EXPECT_EQ(508, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(-1, entry(nullptr, 0));
}

TEST_F(SilentDocumentCall, CopyWritesTheValidatedRecord)
{
    DriverDevMode in;
    BuildDefaultDevMode(&in, nullptr);
    in.Public.dmCopies = 7;
    in.Extra.PrintSpeed = 99;  // out of range: repaired to the default
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header =
        DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), out.get(), DM_COPY);
    ASSERT_EQ(1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
    const DriverDevMode* result = out.record();
    EXPECT_EQ(7, result->Public.dmCopies);
    EXPECT_EQ(3, result->Extra.PrintSpeed);
    EXPECT_EQ(0, memcmp(result->Public.dmDeviceName, u"PDR-7300 Zr", sizeof(u"PDR-7300 Zr")));
    EXPECT_EQ(1016, result->Public.dmPaperWidth);
    EXPECT_TRUE(out.UntouchedFrom(508));
}

TEST_F(SilentDocumentCall, OutputIsNoLargerThanTheInputLayout)
{
    CallerRecord in(300, 0);
    StoreU16(in.get(), OffsetSize, 188);
    StoreU16(in.get(), OffsetSpecVersion, 0x0320);
    StoreU16(in.get(), OffsetDriverExtra, 112);
    StoreU16(in.get(), OffsetDriverVersion, 0x0350);
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), in.get(), out.get(), DM_UPDATE);
    ASSERT_EQ(1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(188, RecordSize(out.get()));
    EXPECT_EQ(112, RecordExtraSize(out.get()));
    EXPECT_EQ(DriverSignature, LoadU32(out.get(), 188));
    EXPECT_TRUE(out.UntouchedFrom(300));
}

TEST_F(SilentDocumentCall, InputOfNoKnownLayoutIsNotReportedAsSuccess)
{
    CallerRecord in(100, 0);
    StoreU16(in.get(), OffsetSize, 100);
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), in.get(), out.get(), DM_COPY);
    EXPECT_EQ(-1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
}

TEST_F(SilentDocumentCall, PrinterNamedWithoutHandleIsOpenedForTheCall)
{
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(nullptr, nullptr, out.get(), DM_COPY);
    ASSERT_EQ(1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(0, memcmp(out.record()->Public.dmDeviceName, u"PDR-7300 Zr", sizeof(u"PDR-7300 Zr")));

    header.pszPrinterName = const_cast<LPWSTR>(L"No Such Printer");
    EXPECT_EQ(-1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
}

TEST_F(SilentDocumentCall, SpoolerRoutesDocumentPropertiesHere)
{
    LONG size = DocumentPropertiesW(nullptr, printer.Handle(), const_cast<LPWSTR>(DemoPrinterName), nullptr,
                                    nullptr, 0);
    EXPECT_EQ(508, size);
    CallerRecord out(508);
    ASSERT_EQ(IDOK, DocumentPropertiesW(nullptr, printer.Handle(), const_cast<LPWSTR>(DemoPrinterName),
                                        out.get(), nullptr, DM_OUT_BUFFER));
    EXPECT_EQ(DriverSignature, out.record()->Extra.Signature);
}

/* The printer's information as for a printer that stores no record yet,
   which is how AddPrinterW asks for a new printer's first record. */
BOOL WINAPI GetPrinterWithoutRecord(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed)
{
    const BOOL read = GetPrinterW(printer, level, buffer, size, needed);
    if (read && level == 2 && buffer != nullptr)
        reinterpret_cast<PRINTER_INFO_2W*>(buffer)->pDevMode = nullptr;
    return read;
}

TEST(SilentDocumentCallWithoutRecords, HandsOutTheDefaultsWithTheFallbackPaper)
{
    DemoPrinter printer;
    Spooler().GetPrinter = GetPrinterWithoutRecord;
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, out.get(), DM_COPY);
    const LONG result = DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header));
    RestoreSpoolerCalls();
    ASSERT_EQ(1, result);

    const PublicDevMode& paper = out.record()->Public;
    EXPECT_EQ(256, paper.dmPaperSize);
    EXPECT_EQ(0, memcmp(paper.dmFormName, u"Default", sizeof u"Default"));
    EXPECT_EQ(1016, paper.dmPaperWidth);
    EXPECT_EQ(1524, paper.dmPaperLength);
    EXPECT_EQ(0x00015B0Fu, paper.dmFields);
    DriverDevMode expected;
    BuildDefaultDevMode(&expected, u"PDR-7300 Zr");
    GiveRecordAUsablePaper(&expected);
    EXPECT_EQ(0, memcmp(&expected, out.record(), sizeof expected));
}

}  // namespace
