/* The DLL's capability exports and a known catalogue at the default path. */
#ifndef PDR_TESTS_WINE_CAPABILITIES_TEST_SUPPORT_H
#define PDR_TESTS_WINE_CAPABILITIES_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "sheet_context/driver_ui_contract.h"
#include "wine_test_support.h"

typedef DWORD(WINAPI* DeviceCapabilitiesFunction)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
typedef BOOL(WINAPI* QueryPrintFunction)(PDEVQUERYPRINT_INFO);

std::wstring DefaultCataloguePath();

/* Loads the DLL and puts the given catalogue text at the default path (or
 * no file at all); whatever was there before comes back afterwards. */
class CatalogueAtDefaultPath : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void PlaceCatalogue(const std::string& text);
    void RemoveCatalogue();

    /* DrvDeviceCapabilities through the export, as the spooler calls it. */
    DWORD Capability(WORD index, void* output, const void* record = nullptr);

    HMODULE library = nullptr;
    DeviceCapabilitiesFunction deviceCapabilities = nullptr;
    QueryPrintFunction queryPrint = nullptr;

private:
    std::unique_ptr<DefaultCatalogueGuard> catalogueGuard_;
};

/* The three labels of the test catalogue, in file order. */
extern const char TestCatalogue[];
extern const char* const TestLabelNames[3];
extern const short TestLabelIds[3];
extern const int TestLabelSizes[3][2];

/* `name` converted as the system's ANSI code page converts it. */
std::wstring AnsiToWide(const char* name);

#endif
