/*
 * Wide paths, as the catalogue interface takes them on every platform, to
 * and from the UTF-8 bytes POSIX file systems are used with.  Native builds
 * only.
 */
#ifndef PDR_TEXT_PATH_UTF8_H
#define PDR_TEXT_PATH_UTF8_H

#include <stddef.h>

/* The UTF-8 form of `wide` in `narrow`; false when it does not fit or holds
   a character that is not a Unicode scalar value. */
bool NarrowPathUtf8(char* narrow, size_t size, const wchar_t* wide);

/* A newly allocated wide copy of a UTF-8 path (release with free()), or
   null when it is not well-formed UTF-8 or memory ran out. */
wchar_t* WidenPathUtf8(const char* narrow);

#endif
