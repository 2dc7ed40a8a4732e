/* The library's module handle, recorded once when the library is attached. */
#ifndef PDR_SHEETS_MODULE_INSTANCE_H
#define PDR_SHEETS_MODULE_INSTANCE_H

#include <windows.h>

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

#endif
