/*
 * Stand-in for the driver's printing library, which is not part of this
 * project.  The spooler needs a driver file to register the driver; this
 * one only loads.
 */
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
