/*
 * The printer's stored settings under the real spooler: a record stored as
 * the printer's defaults (levels 2 and 8) or as the user's (level 9), read
 * back through the spooler, through DocumentPropertiesW and through a sheet
 * opened afterwards.  The spooler keeps the record in the 8-bit layout; the
 * driver's private part must come back whole, and a record whose private
 * part is cut off or zeroed must give the driver's defaults.
 */
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "document_sheet_fixture.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "stored_printer_record.h"
#include "wine_test_support.h"

namespace {

std::vector<uint8_t> BytesOf(const void* record, size_t size)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(record);
    return std::vector<uint8_t>(bytes, bytes + size);
}

std::vector<uint8_t> PrivatePart(const std::vector<uint8_t>& record)
{
    if (record.size() < DriverDevModeSize)
        return {};
    return std::vector<uint8_t>(record.begin() + PublicPartSize, record.begin() + DriverDevModeSize);
}

class SpoolerRoundTrip : public DocumentEntryFixture {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        guard.reset(new StoredRecordsGuard(printer.Handle()));
    }
    void TearDown() override
    {
        guard.reset();
        DocumentEntryFixture::TearDown();
    }

    /* A record the driver has validated, every private field away from
     * its default, so that a default sneaking in shows. */
    std::vector<uint8_t> DistinctRecord(int32_t speed)
    {
        DriverDevMode record;
        BuildDefaultDevMode(&record, u"PDR-7300 Zr");
        record.Public.dmPaperWidth = 500;
        record.Public.dmPaperLength = 800;
        record.Public.dmCopies = 3;
        DriverExtra& extra = record.Extra;
        extra.PrintSpeed = speed;
        extra.HorizontalOffset = -11;
        extra.ProcessColorSet = 1;
        extra.HalftoneMethod = 2;
        extra.Sharpness = 1;
        extra.ColorMode = 1;
        for (int i = 0; i < 4; ++i) {
            extra.HeadIntensity[i] = static_cast<uint16_t>(20 + i);
            extra.SpotHeadColor[i] = 0x00102030u * (i + 1);
            extra.SpotHeadEnabled[i] = i % 2;
        }
        for (int i = 0; i < 16; ++i)
            extra.CustomColors[i] = 0x00010203u * (i + 1);
        extra.CutEvery = 77;
        extra.Brightness = 150;
        extra.AlwaysUseDriverSetting = 1;
        extra.DriverCopies = 9;
        memcpy(extra.LabelName, "Round trip", sizeof "Round trip");
        return Validated(BytesOf(&record, sizeof record));
    }

    /* The record as a silent copy of it hands it out. */
    std::vector<uint8_t> Validated(std::vector<uint8_t> record)
    {
        CallerRecord out(DriverDevModeSize);
        DOCUMENTPROPERTYHEADER header =
            DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(record.data()), out.get(), DM_COPY);
        EXPECT_EQ(1, entry(nullptr, reinterpret_cast<LPARAM>(&header)));
        return BytesOf(out.get(), DriverDevModeSize);
    }

    std::vector<uint8_t> ThroughDocumentProperties()
    {
        CallerRecord out(DriverDevModeSize);
        EXPECT_EQ(IDOK, DocumentPropertiesW(nullptr, printer.Handle(), const_cast<LPWSTR>(DemoPrinterName),
                                            out.get(), nullptr, DM_OUT_BUFFER));
        EXPECT_TRUE(out.UntouchedFrom(DriverDevModeSize));
        return BytesOf(out.get(), DriverDevModeSize);
    }

    /* The working record of a printing-preferences sheet opened now,
     * closed with OK. */
    std::vector<uint8_t> ThroughSheet()
    {
        CallerRecord out(DriverDevModeSize);
        DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, out.get(), DM_COPY);
        RecordingHost host;
        PROPSHEETUI_INFO info = host.InitInfo(&header);
        EXPECT_EQ(1, entry(&info, 0));
        SETRESULT_INFO ok = {sizeof(SETRESULT_INFO), 0, nullptr, CPSUI_OK};
        info.Reason = PROPSHEETUI_REASON_SET_RESULT;
        EXPECT_EQ(1, entry(&info, reinterpret_cast<LPARAM>(&ok)));
        info.Reason = PROPSHEETUI_REASON_DESTROY;
        EXPECT_EQ(1, entry(&info, 0));
        for (HPROPSHEETPAGE page : host.pages)
            DestroyPropertySheetPage(page);
        return BytesOf(out.get(), DriverDevModeSize);
    }

    std::vector<uint8_t> DefaultPrivatePart()
    {
        DriverDevMode defaults;
        BuildDefaultDevMode(&defaults, nullptr);
        return PrivatePart(BytesOf(&defaults, sizeof defaults));
    }

    std::unique_ptr<StoredRecordsGuard> guard;
};

TEST_F(SpoolerRoundTrip, PrinterDefaultsKeepThePrivatePartOnEveryPath)
{
    for (DWORD level : {2u, 8u}) {
        const std::vector<uint8_t> record = DistinctRecord(level == 2 ? 6 : 7);
        ASSERT_TRUE(StoreRecord(printer.Handle(), level, record)) << level;
        for (DWORD readLevel : {2u, 8u}) {
            const std::vector<uint8_t> stored = ReadStoredRecord(printer.Handle(), readLevel);
            ASSERT_EQ(DriverDevModeSize, stored.size()) << level << " read at " << readLevel;
            EXPECT_EQ(PrivatePart(record), PrivatePart(stored)) << level << " read at " << readLevel;
        }
        EXPECT_EQ(record, ThroughDocumentProperties()) << level;
        EXPECT_EQ(record, ThroughSheet()) << level;
    }
}

TEST_F(SpoolerRoundTrip, UserDefaultsKeepThePrivatePart)
{
    const std::vector<uint8_t> printerRecord = DistinctRecord(6);
    const std::vector<uint8_t> userRecord = DistinctRecord(4);
    ASSERT_TRUE(StoreRecord(printer.Handle(), 2, printerRecord));
    ASSERT_TRUE(StoreRecord(printer.Handle(), 9, userRecord));
    const std::vector<uint8_t> stored = ReadStoredRecord(printer.Handle(), 9);
    ASSERT_EQ(DriverDevModeSize, stored.size());
    EXPECT_EQ(PrivatePart(userRecord), PrivatePart(stored));
    // The driver reads the stored record through level 2; the user's
    // record is what a user's documents and sheets start from.
    EXPECT_EQ(PrivatePart(userRecord), PrivatePart(ThroughDocumentProperties()));
    EXPECT_EQ(PrivatePart(userRecord), PrivatePart(ThroughSheet()));
}

TEST_F(SpoolerRoundTrip, CutOffOrZeroedPrivatePartGivesTheDefaults)
{
    std::vector<uint8_t> cutOff = DistinctRecord(6);
    cutOff.resize(PublicPartSize);
    StoreU16(cutOff.data(), OffsetDriverExtra, 0);
    std::vector<uint8_t> zeroed = DistinctRecord(6);
    memset(zeroed.data() + PublicPartSize, 0, CurrentDriverExtraSize);
    for (const std::vector<uint8_t>* record : {&cutOff, &zeroed}) {
        ASSERT_TRUE(StoreRecord(printer.Handle(), 2, *record));
        EXPECT_EQ(DefaultPrivatePart(), PrivatePart(ThroughDocumentProperties()));
        EXPECT_EQ(DefaultPrivatePart(), PrivatePart(ThroughSheet()));
    }
}

TEST_F(SpoolerRoundTrip, PrivatePartCutInTheMiddleKeepsItsStartAndDefaultsTheRest)
{
    const std::vector<uint8_t> full = DistinctRecord(6);
    std::vector<uint8_t> cut(full.begin(), full.begin() + PublicPartSize + 100);
    StoreU16(cut.data(), OffsetDriverExtra, 100);
    ASSERT_TRUE(StoreRecord(printer.Handle(), 2, cut));
    const std::vector<uint8_t> stored = ReadStoredRecord(printer.Handle(), 2);
    ASSERT_EQ(cut.size(), stored.size());
    std::vector<uint8_t> expected = DefaultPrivatePart();
    memcpy(expected.data(), full.data() + PublicPartSize, 100);
    EXPECT_EQ(expected, PrivatePart(ThroughDocumentProperties()));
    EXPECT_EQ(expected, PrivatePart(ThroughSheet()));
}

/* AddPrinterW stores what the driver's silent call hands out for a printer
 * that has no record yet: the defaults, with a paper of a size that the
 * driver's paper list holds. */
TEST_F(SpoolerRoundTrip, ANewPrintersRecordNamesAListedPaperWithASize)
{
    PRINTER_INFO_2W info = {};
    info.pPrinterName = const_cast<LPWSTR>(L"PDR-7300 Zr (added by a test)");
    info.pPortName = const_cast<LPWSTR>(L"FILE:");
    info.pDriverName = const_cast<LPWSTR>(DemoPrinterName);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(nullptr, added);
    std::vector<uint8_t> stored = ReadStoredRecord(added, 2);
    EXPECT_TRUE(DeletePrinter(added));
    ClosePrinter(added);
    ASSERT_EQ(DriverDevModeSize, stored.size());

    const DriverDevMode* record = reinterpret_cast<const DriverDevMode*>(stored.data());
    EXPECT_EQ(256, record->Public.dmPaperSize);
    EXPECT_EQ(0, memcmp(record->Public.dmFormName, u"Default", sizeof u"Default"));
    EXPECT_EQ(1016, record->Public.dmPaperWidth);
    EXPECT_EQ(1524, record->Public.dmPaperLength);
    EXPECT_EQ(0x00015B0Fu, record->Public.dmFields);
    const DEVMODEW* devMode = reinterpret_cast<const DEVMODEW*>(stored.data());
    const int count = DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS, nullptr, devMode);
    ASSERT_GT(count, 0);
    std::vector<WORD> ids(count);
    ASSERT_EQ(count, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS,
                                         reinterpret_cast<LPWSTR>(ids.data()), devMode));
    EXPECT_EQ(256, ids.back());
}

}  // namespace
