/*
 * Turning an 8-bit label name into UTF-16.  Label names are typed in the
 * system's ANSI code page, which only the platform knows, so the platform
 * layer registers the conversion; the core's own default widens byte by
 * byte, which is right for ASCII and Latin-1 and is what native builds use.
 * Form names and the capability paper names go through the same conversion,
 * so a label's form name always equals its paper name.
 */
#ifndef PDR_SETTINGS_LABEL_NAME_WIDENER_H
#define PDR_SETTINGS_LABEL_NAME_WIDENER_H

#include <stddef.h>

/* Converts the NUL-terminated `name` into `destination` (capacity in UTF-16
 * units) and returns the units written with the terminator, or 0 when the
 * whole name does not fit. */
typedef size_t (*LabelNameWidener)(char16_t* destination, size_t capacity, const char* name);

/* Registers the platform's conversion; null restores the byte-widening
 * default.  Safe to call from any thread, any number of times. */
void SetLabelNameWidener(LabelNameWidener widener);

/* The byte-widening default: each byte becomes the unit of the same value. */
size_t WidenLabelNameBytes(char16_t* destination, size_t capacity, const char* name);

/* Converts with the registered widener.  A name that does not fit leaves the
 * destination empty, reported as any bounded copy reports it. */
bool WidenLabelName(char16_t* destination, size_t capacity, const char* name);

#endif
