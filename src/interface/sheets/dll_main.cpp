#include <windows.h>

#include "text/bounded_text.h"
#include "text/platform_hooks.h"
#include "resources/module_instance.h"

namespace {

void ReportToDebugger(const char* message)
{
    OutputDebugStringA(message);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        SetInvalidParameterReporter(ReportToDebugger);
        EnsurePlatformHooks();
    }
    return TRUE;
}
