/* The class object of the print ticket provider, which Windows' print
 * ticket manager asks the configuration module for directly: no
 * registration is involved. */
#include <windows.h>

#include "print_ticket/ticket_provider_win32.h"

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object)
{
    return GetTicketProviderClassObject(clsid, iid, object);
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return TicketProviderCanUnload() ? S_OK : S_FALSE;
}
