/* Shared pieces of the Windows tests: the demo printer and the built DLL. */
#ifndef PDR_TESTS_WINE_TEST_SUPPORT_H
#define PDR_TESTS_WINE_TEST_SUPPORT_H

#include <windows.h>

extern const wchar_t DemoPrinterName[];

/* The built pdr7300ui.dll from the test program's own folder. */
HMODULE LoadDriverLibrary();

/* An entry point of the loaded DLL, looked up by its exported name. */
template <typename Function>
Function DriverExport(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

#endif
