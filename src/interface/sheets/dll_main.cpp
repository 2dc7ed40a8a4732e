#include <windows.h>

#include "labels/catalogue_snapshot_win32.h"
#include "resources/module_instance.h"
#include "settings/paper_lists_win32.h"
#include "text/bounded_text.h"
#include "text/platform_hooks.h"

namespace {

void ReportToDebugger(const char* message)
{
    OutputDebugStringA(message);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        SetInvalidParameterReporter(ReportToDebugger);
        EnsurePlatformHooks();
    } else if (reason == DLL_THREAD_DETACH) {
        ReleaseThreadCatalogueSnapshots();
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        /* Unloaded while the process goes on: every thread's snapshots and
           the remembered paper lists go now.  At process exit the memory goes with the process. */
        ReleaseAllCatalogueSnapshots();
        ReleasePaperListMemory();
    }
    return TRUE;
}
