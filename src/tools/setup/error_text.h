/* The system's text for an error number, for pdr-setup's messages. */
#ifndef PDR_TOOLS_SETUP_ERROR_TEXT_H
#define PDR_TOOLS_SETUP_ERROR_TEXT_H

#include <windows.h>

#include <string>

/* "The system cannot find the file specified (2)", or "error 2" when the
 * system has no text for it. */
std::wstring ErrorText(DWORD error);

#endif
