/* Records whose public part ends inside the header that states their sizes
 * and versions, through every export that takes a record, as the spooler
 * and applications call them. */
#include <gtest/gtest.h>
#include <string.h>

#include "document_sheet_fixture.h"
#include "labels/label_catalogue.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

typedef BOOL(WINAPI* ConvertFunction)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD);
typedef DWORD(WINAPI* CapabilitiesFunction)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
typedef BOOL(WINAPI* QueryPrintFunction)(PDEVQUERYPRINT_INFO);

const uint16_t ShortSizes[] = {0, 1, 64, 69, 71};

class ShortHeaderRecord : public DocumentEntryFixture, public ::testing::WithParamInterface<uint16_t> {
protected:
    void SetUp() override
    {
        DocumentEntryFixture::SetUp();
        convert = DriverExport<ConvertFunction>(library, "DrvConvertDevMode");
        capabilities = DriverExport<CapabilitiesFunction>(library, "DrvDeviceCapabilities");
        queryPrint = DriverExport<QueryPrintFunction>(library, "DevQueryPrintEx");
        ASSERT_TRUE(convert != nullptr && capabilities != nullptr && queryPrint != nullptr);
        BuildDefaultDevMode(in.record(), u"PDR-7300 Zr");
        in.record()->Public.dmSize = GetParam();
    }

    bool Refused() const
    {
        return GetParam() < DevModeHeaderBytes;
    }

    LONG SilentCopy(DWORD mode)
    {
        DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), in.get(), out.get(), mode);
        return entry(nullptr, reinterpret_cast<LPARAM>(&header));
    }

    DWORD Capability(WORD index, void* output = nullptr)
    {
        return capabilities(nullptr, const_cast<PWSTR>(DemoPrinterName), index, output, in.get());
    }

    BOOL QueryPrint()
    {
        DEVQUERYPRINT_INFO info;
        memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        info.Level = 1;
        info.pDevMode = in.get();
        return queryPrint(&info);
    }

    BOOL Convert(void* source, void* destination, LONG* size, DWORD mode)
    {
        SetLastError(0xDEAD);
        return convert(const_cast<LPWSTR>(DemoPrinterName), static_cast<PDEVMODEW>(source),
                       static_cast<PDEVMODEW>(destination), size, mode);
    }

    CallerRecord in{508};
    CallerRecord out{508};
    ConvertFunction convert = nullptr;
    CapabilitiesFunction capabilities = nullptr;
    QueryPrintFunction queryPrint = nullptr;
};

TEST_P(ShortHeaderRecord, SilentCopiesNeverClaimAnOutputTheyCouldNotWrite)
{
    for (DWORD mode : {DWORD(DM_COPY), DWORD(DM_UPDATE | DM_COPY)}) {
        SCOPED_TRACE(mode);
        CallerRecord fresh(508);
        out = fresh;
        LONG result = SilentCopy(mode);
        EXPECT_TRUE(out.UntouchedFrom(508));
        if (Refused()) {
            EXPECT_EQ(-1, result);
            continue;
        }
        // The header itself is still a layout: the private part follows it.
        ASSERT_EQ(1, result);
        EXPECT_EQ(GetParam(), RecordSize(out.get()));
        EXPECT_EQ(288, RecordExtraSize(out.get()));
        EXPECT_EQ(DriverSignature, LoadU32(out.get(), GetParam()));
        EXPECT_TRUE(out.UntouchedFrom(RecordTotalSize(out.get())));
    }
}

TEST_P(ShortHeaderRecord, CapabilitiesAndJobChecksRefuseIt)
{
    WORD papers[MaxLabels];
    const WORD indices[] = {DC_FIELDS, DC_PAPERS, DC_SIZE, DC_EXTRA, DC_VERSION, DC_COPIES};
    for (WORD index : indices) {
        SCOPED_TRACE(index);
        DWORD answer = Capability(index, index == DC_PAPERS ? papers : nullptr);
        if (Refused())
            EXPECT_EQ(static_cast<DWORD>(-1), answer);
        else
            EXPECT_NE(static_cast<DWORD>(-1), answer);
    }
    EXPECT_EQ(Refused() ? FALSE : TRUE, QueryPrint());
}

TEST_P(ShortHeaderRecord, ConversionRefusesItOnEitherSide)
{
    DriverDevMode current;
    BuildDefaultDevMode(&current, nullptr);
    LONG size = sizeof current;
    BOOL converted = Convert(in.get(), &current, &size, 1);
    EXPECT_EQ(Refused() ? FALSE : TRUE, converted);
    if (Refused()) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(static_cast<LONG>(sizeof current), size);
    }

    CallerRecord old(300);
    size = 300;
    EXPECT_EQ(Refused() ? FALSE : TRUE, Convert(in.get(), old.get(), &size, 2));
    EXPECT_TRUE(old.UntouchedFrom(300));

    // As the layout a caller prepared to convert into.
    DriverDevMode source;
    BuildDefaultDevMode(&source, nullptr);
    CallerRecord prepared(508);
    memcpy(prepared.get(), in.get(), 508);
    size = 508;
    EXPECT_EQ(Refused() ? FALSE : TRUE, Convert(&source, prepared.get(), &size, 1));
    EXPECT_TRUE(prepared.UntouchedFrom(508));
}

INSTANTIATE_TEST_SUITE_P(BelowTheHeader, ShortHeaderRecord, ::testing::ValuesIn(ShortSizes));
INSTANTIATE_TEST_SUITE_P(ExactlyTheHeader, ShortHeaderRecord,
                         ::testing::Values(static_cast<uint16_t>(DevModeHeaderBytes)));

}  // namespace
