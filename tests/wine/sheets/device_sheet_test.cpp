/* The printer-properties sheet and its permission probe. */
#include <gtest/gtest.h>

#include "sheet_context/spooler_calls.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

TEST(DeviceSheet, OpensOnePageAndProbesPermission)
{
    HMODULE library = LoadDriverLibrary();
    ASSERT_NE(nullptr, library);
    DemoPrinter printer;
    printer.DeleteValue(L"Permission");
    DEVICEPROPERTYHEADER header = DeviceHeader(printer.Handle());
    auto sheet = SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDevicePropertySheets"),
                                    reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(1, sheet->PageCount());
    EXPECT_EQ(L"Device", sheet->PageTitle(0));
    EXPECT_EQ(0, header.Flags & DPS_NOPERMISSION);
    DWORD permission = 0;
    EXPECT_TRUE(printer.ReadValue(L"Permission", &permission));
    EXPECT_EQ(1u, permission);
    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
    sheet.reset();
    FreeLibrary(library);
}

DWORD WINAPI RefuseWrite(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

TEST(DeviceSheet, RefusedProbeMarksNoPermissionAndStillOpens)
{
    UseProgramAsModule();
    DemoPrinter printer;
    Spooler().SetPrinterData = RefuseWrite;
    DEVICEPROPERTYHEADER header = DeviceHeader(printer.Handle());
    auto sheet = SheetSession::Open(DrvDevicePropertySheets, reinterpret_cast<LPARAM>(&header));
    RestoreSpoolerCalls();
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(DPS_NOPERMISSION, header.Flags & DPS_NOPERMISSION);
    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
}

TEST(DeviceSheet, ReasonsWithoutHeaderOrUnknownFail)
{
    EXPECT_EQ(-1, DrvDevicePropertySheets(nullptr, 0));
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(-1, DrvDevicePropertySheets(&info, 0));
    DEVICEPROPERTYHEADER header = DeviceHeader(nullptr);
    info.lParamInit = reinterpret_cast<LPARAM>(&header);
    info.Reason = 9;
    EXPECT_EQ(-1, DrvDevicePropertySheets(&info, 0));
    SETRESULT_INFO result = {sizeof(SETRESULT_INFO), 0, nullptr, CPSUI_OK};
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    EXPECT_EQ(1, DrvDevicePropertySheets(&info, reinterpret_cast<LPARAM>(&result)));
    EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_OK), info.Result);
}

}  // namespace
