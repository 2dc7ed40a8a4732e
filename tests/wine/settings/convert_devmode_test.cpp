/* DrvConvertDevMode as the spooler calls it: through the DLL's export. */
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "settings/devmode_bytes.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_context/driver_ui_contract.h"
#include "wine_test_support.h"

namespace {

typedef BOOL(WINAPI* ConvertFunction)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD);

class ConvertDevModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = LoadDriverLibrary();
        ASSERT_NE(nullptr, library);
        convert = DriverExport<ConvertFunction>(library, "DrvConvertDevMode");
        ASSERT_NE(nullptr, convert);
        BuildDefaultDevMode(&source, u"PDR-7300 Zr");
        source.Extra.PrintSpeed = 6;
    }
    void TearDown() override
    {
        FreeLibrary(library);
    }

    BOOL Convert(void* in, void* out, LONG* size, DWORD mode, const wchar_t* printer = DemoPrinterName)
    {
        SetLastError(0xDEAD);
        return convert(const_cast<LPWSTR>(printer), static_cast<PDEVMODEW>(in), static_cast<PDEVMODEW>(out),
                       size, mode);
    }

    HMODULE library = nullptr;
    ConvertFunction convert = nullptr;
    DriverDevMode source;
};

TEST_F(ConvertDevModeTest, MissingCountIsAnInvalidParameter)
{
    DriverDevMode out;
    EXPECT_FALSE(Convert(&source, &out, nullptr, CDM_CONVERT));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
}

TEST_F(ConvertDevModeTest, ConvertIntoAPreparedCurrentLayout)
{
    DriverDevMode out;
    memset(&out, 0, sizeof(out));
    out.Public.dmSize = 220;
    out.Public.dmDriverExtra = 288;
    out.Public.dmDriverVersion = 0x0402;
    LONG size = 600;
    ASSERT_TRUE(Convert(&source, &out, &size, CDM_CONVERT));
    EXPECT_EQ(508, size);
    EXPECT_EQ(0, memcmp(&source, &out, sizeof(out)));
}

TEST_F(ConvertDevModeTest, ConvertRefusesCountsBelowThePreparedLayout)
{
    std::vector<uint8_t> out(600, 0);
    StoreU16(out.data(), OffsetSize, 220);
    StoreU16(out.data(), OffsetDriverExtra, 288);
    StoreU16(out.data(), OffsetDriverVersion, 0x0402);
    for (LONG given : {0L, 60L, 507L}) {
        LONG size = given;
        EXPECT_FALSE(Convert(&source, out.data(), &size, CDM_CONVERT));
        EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
        EXPECT_EQ(given, size);
    }
    LONG size = 508;
    EXPECT_FALSE(Convert(&source, nullptr, &size, CDM_CONVERT));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());

    std::vector<uint8_t> unknown(300, 0);
    StoreU16(unknown.data(), OffsetSize, 100);
    EXPECT_FALSE(Convert(unknown.data(), out.data(), &size, CDM_CONVERT));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
}

TEST_F(ConvertDevModeTest, ConvertIntoASmallPrivatePartStaysInside)
{
    // A current-version destination whose caller left little room for our
    // private part: the copy-count reset must not run past it.
    source.Public.dmDriverVersion = 0x0350;
    std::vector<uint8_t> out(220 + 16 + 32, 0xA5);
    StoreU16(out.data(), OffsetSize, 220);
    StoreU16(out.data(), OffsetDriverExtra, 16);
    StoreU16(out.data(), OffsetDriverVersion, 0x0402);
    LONG size = 236;
    ASSERT_TRUE(Convert(&source, out.data(), &size, CDM_CONVERT));
    EXPECT_EQ(236, size);
    for (size_t i = 236; i < out.size(); ++i)
        ASSERT_EQ(0xA5, out[i]) << i;
}

TEST_F(ConvertDevModeTest, OldLayoutNeedsThreeHundredBytes)
{
    std::vector<uint8_t> out(400, 0xA5);
    LONG size = 200;
    EXPECT_FALSE(Convert(&source, out.data(), &size, CDM_CONVERT351));
    EXPECT_EQ(300, size);
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());

    size = 300;
    EXPECT_FALSE(Convert(&source, nullptr, &size, CDM_CONVERT351));
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());

    size = 400;
    ASSERT_TRUE(Convert(&source, out.data(), &size, CDM_CONVERT351));
    EXPECT_EQ(300, size);
    EXPECT_EQ(188, RecordSize(out.data()));
    EXPECT_EQ(0x0320, RecordSpecVersion(out.data()));
    EXPECT_EQ(0x0350, RecordDriverVersion(out.data()));
    EXPECT_EQ(112, RecordExtraSize(out.data()));
    EXPECT_EQ(0, memcmp(source.Public.dmDeviceName, out.data(), 64));
    EXPECT_EQ(0, memcmp(&source.Extra, out.data() + 188, 112));
    EXPECT_EQ(0xA5, out[300]);
}

TEST_F(ConvertDevModeTest, DriverDefaultCarriesThePrintersDriverName)
{
    DriverDevMode out;
    memset(&out, 0xEE, sizeof(out));
    LONG size = 400;
    EXPECT_FALSE(Convert(nullptr, &out, &size, CDM_DRIVER_DEFAULT));
    EXPECT_EQ(508, size);
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());

    std::vector<uint8_t> big(600, 0xEE);
    size = 600;
    ASSERT_TRUE(Convert(nullptr, big.data(), &size, CDM_DRIVER_DEFAULT));
    EXPECT_EQ(508, size);
    // The default record, handed out with the paper the driver lists for it.
    DriverDevMode expected;
    BuildDefaultDevMode(&expected, u"PDR-7300 Zr");
    GiveRecordAUsablePaper(&expected);
    EXPECT_EQ(0, memcmp(&expected, big.data(), sizeof(expected)));
    const DriverDevMode* handedOut = reinterpret_cast<const DriverDevMode*>(big.data());
    EXPECT_EQ(256, handedOut->Public.dmPaperSize);
    EXPECT_EQ(0, memcmp(handedOut->Public.dmFormName, u"Default", sizeof u"Default"));
    EXPECT_EQ(1016, handedOut->Public.dmPaperWidth);
    EXPECT_EQ(1524, handedOut->Public.dmPaperLength);
    EXPECT_EQ(0x00015B0Fu, handedOut->Public.dmFields);
    EXPECT_EQ(0xEE, big[508]);
}

TEST_F(ConvertDevModeTest, DriverDefaultFailsForAnUnknownPrinter)
{
    DriverDevMode out;
    LONG size = 508;
    EXPECT_FALSE(Convert(nullptr, &out, &size, CDM_DRIVER_DEFAULT, L"No Such Printer"));
    EXPECT_EQ(508, size);
}

TEST_F(ConvertDevModeTest, OtherModesFailWithoutTouchingTheLastError)
{
    DriverDevMode out;
    for (DWORD mode : {0u, 3u, 8u, 0x10u}) {
        LONG size = 508;
        EXPECT_FALSE(Convert(&source, &out, &size, mode));
        EXPECT_EQ(0xDEADu, GetLastError());
        EXPECT_EQ(508, size);
    }
}

}  // namespace
