/*
 * The installed driver's version text, as the installer records it in the
 * machine's registry; shown by the Device and About pages.
 */
#ifndef PDR_PAGES_DRIVER_VERSION_H
#define PDR_PAGES_DRIVER_VERSION_H

#include <windows.h>

/* Wide characters of the text buffer the pages hand in. */
const int VersionTextCapacity = 32;

/* Bytes offered to the registry: at most 15 characters and the terminator. */
const DWORD VersionValueBytes = 32;

/* Fills `text` (VersionTextCapacity wide characters) with the registry's
 * version text, or "0.0" when there is no usable one.  Returns 1 when the
 * registry's text was taken, 0 for the fallback. */
int ReadDriverVersionText(wchar_t* text);

/* The text inside a value the registry delivered: only a REG_SZ counts, and
 * only the characters inside its `size` bytes are looked at.  A value stored
 * without its terminator is taken when the terminator still fits in the
 * 32 bytes.  Returns 1 and fills `text` (VersionTextCapacity wide
 * characters), or 0 and leaves it alone. */
int TakeVersionText(DWORD type, const wchar_t* value, DWORD size, wchar_t* text);

#endif
