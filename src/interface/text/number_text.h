/*
 * Reading and writing the number texts of the catalogue and the property
 * pages.  The library runs inside other programs, which may have set any C
 * locale (and on Windows share the C runtime with us), so none of these
 * depend on it: the decimal point is always '.'.
 */
#ifndef PDR_TEXT_NUMBER_TEXT_H
#define PDR_TEXT_NUMBER_TEXT_H

#include <stddef.h>

/* Space, tab, line feed, vertical tab, form feed, carriage return; bytes
   above 127 never count, whatever the locale. */
bool IsSpaceByte(char c);

/*
 * The value of the longest leading decimal number of `text`: leading white
 * space, optional sign, digits, optional '.' and fraction, optional exponent.
 * No number gives 0.  Values beyond the double range give +/-HUGE_VAL.
 * When `hadNumber` is given it tells whether any digit was read.
 */
double ReadLeadingDouble(const char* text, bool* hadNumber = nullptr);

/*
 * The leading whole number of `text`: leading white space, optional sign,
 * digits; the first other character stops.  No digits give 0.  Long digit
 * strings saturate at INT_MIN / INT_MAX.  When `hadDigits` is given it tells
 * whether any digit was read.
 */
int ReadLeadingInteger(const char* text, bool* hadDigits = nullptr);

/*
 * `value` as "%2.2f" renders it, with '.' as the decimal point.  A text that
 * does not fit leaves `dest` empty and returns false.
 */
bool FormatFixed2(char* dest, size_t destSize, double value);

#endif
