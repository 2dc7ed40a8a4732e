/* The library's module handle, recorded once when the library is attached. */
#ifndef PDR_RESOURCES_MODULE_INSTANCE_H
#define PDR_RESOURCES_MODULE_INSTANCE_H

#include <windows.h>

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

#endif
