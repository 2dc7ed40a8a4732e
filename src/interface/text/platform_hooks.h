/*
 * Conversions the core takes from the Windows shell.  Every entry point that
 * may merge a record calls EnsurePlatformHooks first; it only stores
 * function addresses, so calling it again is harmless.
 */
#ifndef PDR_TEXT_PLATFORM_HOOKS_H
#define PDR_TEXT_PLATFORM_HOOKS_H

void EnsurePlatformHooks();

#endif
