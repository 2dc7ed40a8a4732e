/* The version text: what the registry may hold and what the pages show. */
#include <gtest/gtest.h>

#include <wchar.h>

#include <string>

#include "pages/driver_version.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "version_registry.h"
#include "wine_test_support.h"

namespace {

/* What ReadDriverVersionText leaves in a buffer that held something else. */
struct VersionRead {
    int taken;
    std::wstring text;
};

VersionRead ReadVersion()
{
    wchar_t text[VersionTextCapacity];
    for (wchar_t& c : text)
        c = L'#';
    VersionRead read;
    read.taken = ReadDriverVersionText(text);
    text[VersionTextCapacity - 1] = 0;
    read.text = text;
    return read;
}

class DriverVersionText : public ::testing::Test {
protected:
    VersionValue version;
};

TEST_F(DriverVersionText, MissingKeyOrValueGivesFallback)
{
    VersionRead read = ReadVersion();
    EXPECT_EQ(0, read.taken);
    EXPECT_EQ(L"0.0", read.text);

    version.SetKeyOnly();
    read = ReadVersion();
    EXPECT_EQ(0, read.taken);
    EXPECT_EQ(L"0.0", read.text);
}

TEST_F(DriverVersionText, TextsUpToFifteenCharactersShowUnchanged)
{
    version.SetText(L"1.2.3");
    VersionRead read = ReadVersion();
    EXPECT_EQ(1, read.taken);
    EXPECT_EQ(L"1.2.3", read.text);

    version.SetText(L"7.10.2026-b1234");
    EXPECT_EQ(L"7.10.2026-b1234", ReadVersion().text);

    version.SetText(L"");
    read = ReadVersion();
    EXPECT_EQ(1, read.taken);
    EXPECT_EQ(L"", read.text);
}

TEST_F(DriverVersionText, TextsTooLongForTheBufferGiveFallback)
{
    version.SetText(L"7.10.2026-b12345");
    VersionRead read = ReadVersion();
    EXPECT_EQ(0, read.taken);
    EXPECT_EQ(L"0.0", read.text);

    version.SetText(L"12345678901234567890");
    read = ReadVersion();
    EXPECT_EQ(0, read.taken);
    EXPECT_EQ(L"0.0", read.text);
}

TEST_F(DriverVersionText, ValuesOfOtherTypesGiveFallback)
{
    // Each of these would read as "1.2" or "13" if taken as characters.
    const DWORD looksLikeText = 0x00330031;
    version.Set(REG_DWORD, &looksLikeText, sizeof(looksLikeText));
    EXPECT_EQ(L"0.0", ReadVersion().text);

    const wchar_t text[] = L"1.2";
    version.Set(REG_BINARY, text, sizeof(text));
    EXPECT_EQ(L"0.0", ReadVersion().text);

    version.Set(REG_EXPAND_SZ, text, sizeof(text));
    EXPECT_EQ(L"0.0", ReadVersion().text);

    const wchar_t list[] = L"1.2\0";
    version.Set(REG_MULTI_SZ, list, sizeof(list));
    EXPECT_EQ(L"0.0", ReadVersion().text);
}

TEST_F(DriverVersionText, TextStoredWithoutTerminatorIsTakenWhenItFits)
{
    version.Set(REG_SZ, L"1.2.3", 5 * sizeof(wchar_t));
    EXPECT_EQ(L"1.2.3", ReadVersion().text);

    // An odd byte count ends in half a character, which is dropped.
    version.Set(REG_SZ, L"1.2.3", 5 * sizeof(wchar_t) + 1);
    EXPECT_EQ(L"1.2.3", ReadVersion().text);

    // Sixteen characters fill all 32 bytes and leave no room to end them.
    version.Set(REG_SZ, L"7.10.2026-b12345", 16 * sizeof(wchar_t));
    VersionRead read = ReadVersion();
    EXPECT_EQ(0, read.taken);
    EXPECT_EQ(L"0.0", read.text);
}

/* The version as each sheet shows it: the Device page's and the About
 * page's value texts. */
class VersionOnPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = LoadDriverLibrary();
        ASSERT_NE(nullptr, library);
    }
    void TearDown() override
    {
        FreeLibrary(library);
    }

    std::wstring DevicePageVersion()
    {
        DEVICEPROPERTYHEADER header = DeviceHeader(printer.Handle());
        auto sheet = SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDevicePropertySheets"),
                                        reinterpret_cast<LPARAM>(&header));
        if (sheet == nullptr)
            return L"(no sheet)";
        std::wstring shown = sheet->Text(1138);
        sheet->PressCancel();
        sheet->WaitClosed();
        return shown;
    }

    std::wstring AboutPageVersion()
    {
        DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, nullptr, 0);
        auto sheet = SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets"),
                                        reinterpret_cast<LPARAM>(&header));
        if (sheet == nullptr)
            return L"(no sheet)";
        sheet->SelectPage(6);
        std::wstring shown = sheet->Text(1140);
        sheet->PressCancel();
        sheet->WaitClosed();
        return shown;
    }

    HMODULE library = nullptr;
    DemoPrinter printer;
    VersionValue version;
};

TEST_F(VersionOnPages, NoValueShowsFallbackOnBothPages)
{
    EXPECT_EQ(L"0.0", DevicePageVersion());
    EXPECT_EQ(L"0.0", AboutPageVersion());
}

TEST_F(VersionOnPages, InstalledVersionShowsUnchangedOnBothPages)
{
    version.SetText(L"1.2.3");
    EXPECT_EQ(L"1.2.3", DevicePageVersion());
    EXPECT_EQ(L"1.2.3", AboutPageVersion());
}

TEST_F(VersionOnPages, TwentyCharactersShowFallbackOnBothPages)
{
    version.SetText(L"12345678901234567890");
    EXPECT_EQ(L"0.0", DevicePageVersion());
    EXPECT_EQ(L"0.0", AboutPageVersion());
}

TEST_F(VersionOnPages, NumberValueShowsFallbackOnBothPages)
{
    const DWORD number = 0x00330031;
    version.Set(REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(L"0.0", DevicePageVersion());
    EXPECT_EQ(L"0.0", AboutPageVersion());
}

}  // namespace
