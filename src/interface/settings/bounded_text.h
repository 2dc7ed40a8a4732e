/*
 * Bounded text copies.  A text that does not fit its destination leaves the
 * destination empty rather than cut, and the failure is reported the way the
 * platform's C runtime reports an invalid parameter; processing continues.
 */
#ifndef PDR_SETTINGS_BOUNDED_TEXT_H
#define PDR_SETTINGS_BOUNDED_TEXT_H

#include <stddef.h>

/* Both return true when the whole text, with its terminator, fitted. */
bool CopyTextBounded(char16_t* destination, size_t capacity, const char16_t* source);
bool CopyTextBounded(char* destination, size_t capacity, const char* source);

/* Length of a UTF-16 text, stopping at limit. */
size_t TextLength16(const char16_t* text, size_t limit);

/* The shell routes the report to the debugger output; the core has no
 * console of its own, so by default nothing is written. */
typedef void (*InvalidParameterReporter)(const char* message);
void SetInvalidParameterReporter(InvalidParameterReporter reporter);
void ReportInvalidParameter();

#endif
