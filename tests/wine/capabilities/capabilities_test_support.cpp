#include "capabilities_test_support.h"

#include <shlobj.h>
#include <stdio.h>

/* Names in the ANSI code page: an accented letter and the byte that is the
   euro sign in Western code pages; ids out of order and a duplicate-free
   list, sizes in every unit. */
const char TestCatalogue[] =
    "[{\"name\": \"Shipping 4x6\", \"width\": \"4.00\", \"length\": \"6.00\", \"horzOffset\": \"-12\","
    " \"vertOffset\": \"35\", \"units\": 1, \"id\": 300},"
    " {\"name\": \"Caf\xE9 \x80 labels\", \"width\": \"50\", \"length\": \"1000\", \"horzOffset\": \"0\","
    " \"vertOffset\": \"0\", \"units\": 0, \"id\": 257},"
    " {\"name\": \"Widest and longest\", \"width\": \"1287\", \"length\": \"30480\","
    " \"horzOffset\": \"9999e-9\", \"vertOffset\": \"0\", \"units\": 2, \"id\": 32767}]";
const char* const TestLabelNames[3] = {"Shipping 4x6", "Caf\xE9 \x80 labels", "Widest and longest"};
const short TestLabelIds[3] = {300, 257, 32767};
const int TestLabelSizes[3][2] = {{1016, 1524}, {500, 10000}, {1287, 30480}};

std::wstring DefaultCataloguePath()
{
    wchar_t folder[MAX_PATH] = L"";
    EXPECT_TRUE(SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE));
    return std::wstring(folder) + L"\\PDR7300Zr\\label-list.kmr";
}

std::wstring AnsiToWide(const char* name)
{
    wchar_t wide[128] = L"";
    EXPECT_GT(MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 128), 0);
    return wide;
}

void CatalogueAtDefaultPath::SetUp()
{
    library = LoadDriverLibrary();
    ASSERT_NE(nullptr, library);
    deviceCapabilities = DriverExport<DeviceCapabilitiesFunction>(library, "DrvDeviceCapabilities");
    queryPrint = DriverExport<QueryPrintFunction>(library, "DevQueryPrintEx");
    ASSERT_NE(nullptr, deviceCapabilities);
    ASSERT_NE(nullptr, queryPrint);
    catalogueGuard_.reset(new DefaultCatalogueGuard);
    PlaceCatalogue(TestCatalogue);
}

void CatalogueAtDefaultPath::TearDown()
{
    catalogueGuard_.reset();
    if (library != nullptr)
        FreeLibrary(library);
}

void CatalogueAtDefaultPath::PlaceCatalogue(const std::string& text)
{
    EXPECT_TRUE(WriteFileBytes(DefaultCataloguePath(), text));
}

void CatalogueAtDefaultPath::RemoveCatalogue()
{
    DeleteFileW(DefaultCataloguePath().c_str());
}

DWORD CatalogueAtDefaultPath::Capability(WORD index, void* output, const void* record)
{
    return deviceCapabilities(nullptr, const_cast<PWSTR>(DemoPrinterName), index, output,
                              static_cast<PDEVMODEW>(const_cast<void*>(record)));
}
