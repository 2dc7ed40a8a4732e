/* Records and headers the sheet tests share. */
#ifndef PDR_TESTS_SHEET_TEST_SUPPORT_H
#define PDR_TESTS_SHEET_TEST_SUPPORT_H

#include <vector>

#include "settings/driver_devmode.h"
#include "sheet_context/driver_ui_contract.h"

/* The demo printer, opened for the length of a test. */
class DemoPrinter {
public:
    DemoPrinter();
    ~DemoPrinter();
    HANDLE Handle() const
    {
        return handle;
    }
    void SetValue(const wchar_t* name, DWORD value);
    void DeleteValue(const wchar_t* name);
    bool ReadValue(const wchar_t* name, DWORD* value);

private:
    HANDLE handle = nullptr;
};

/* A buffer standing for a caller's record, with guard bytes behind it. */
struct CallerRecord {
    std::vector<unsigned char> bytes;
    explicit CallerRecord(size_t size, unsigned char fill = 0xEE) : bytes(size + 64, fill) {}
    DEVMODEW* get()
    {
        return reinterpret_cast<DEVMODEW*>(bytes.data());
    }
    DriverDevMode* record()
    {
        return reinterpret_cast<DriverDevMode*>(bytes.data());
    }
    bool UntouchedFrom(size_t offset, unsigned char fill = 0xEE) const
    {
        for (size_t i = offset; i < bytes.size(); ++i)
            if (bytes[i] != fill)
                return false;
        return true;
    }
};

DOCUMENTPROPERTYHEADER DocumentHeader(HANDLE printer, DEVMODEW* in, DEVMODEW* out, DWORD mode);

/* The printer-properties header of the demo printer. */
DEVICEPROPERTYHEADER DeviceHeader(HANDLE printer);

/* A sheet host of the test's own, for the results the platform's host does
 * not pass on: it keeps the pages it is given and the results it is told. */
struct RecordingHost {
    std::vector<HPROPSHEETPAGE> pages;
    std::vector<LPARAM> results;

    static LONG_PTR CALLBACK Callback(HANDLE host, UINT function, LPARAM first, LPARAM second);
    /* The call information of PROPSHEETUI_REASON_INIT through this host,
     * with `header` as the initial parameter. */
    PROPSHEETUI_INFO InitInfo(const void* header);
};

/* Makes this program's own resources the library's, for tests that call the
 * statically linked entry points. */
void UseProgramAsModule();

/* The working record of the sheet a page belongs to, read through the
 * context the page keeps; valid while the sheet is open. */
const DriverDevMode& PageWorkingRecord(HWND page);

#endif
