/*
 * 8-bit texts in the system's code page (label names and the catalogue's
 * number texts, as users type them) turned into UTF-16.  Only the platform
 * knows the code page, so the Windows shell registers the conversion; the
 * core's own default widens byte by byte, which is right for ASCII and
 * Latin-1 and is what native builds use.  Form names, the capability paper
 * names and the Label page's details all go through the same conversion,
 * so a label's form name always equals its paper name.
 */
#ifndef PDR_TEXT_CODE_PAGE_TEXT_H
#define PDR_TEXT_CODE_PAGE_TEXT_H

#include <stddef.h>

/* Converts the NUL-terminated `text` into `destination` (capacity in UTF-16
 * units) and returns the units written with the terminator, or 0 when the
 * whole text does not fit. */
typedef size_t (*CodePageWidener)(char16_t* destination, size_t capacity, const char* text);

/* Registers the platform's conversion; null restores the byte-widening
 * default.  Safe to call from any thread, any number of times. */
void SetCodePageWidener(CodePageWidener widener);

/* The byte-widening default: each byte becomes the unit of the same value. */
size_t WidenCodePageBytes(char16_t* destination, size_t capacity, const char* text);

/* Converts with the registered widener.  A text that does not fit leaves the
 * destination empty, reported as any bounded copy reports it. */
bool WidenCodePageText(char16_t* destination, size_t capacity, const char* text);

/* Appends the converted `text` to a wide text of the user interface, whole
 * or empty (bounded_text.h). */
bool AppendCodePageText(wchar_t* destination, size_t capacity, const char* text);

#endif
