/*
 * Fixed-size text buffers, and the only ways the library fills them.
 *
 * Every function of the first group writes the whole text or, when it does
 * not fit, leaves the destination empty rather than cut: a cut name or
 * number would be a different name or number.  Such a failure is reported
 * the way the platform's C runtime reports an invalid parameter, and the
 * caller goes on with the empty text.
 *
 * The cut-to-fit pair is for the texts that are meant to be cut at their
 * buffer: message bodies composed from translations.
 *
 * The functions take 8-bit texts, UTF-16 texts of the settings record
 * (char16_t) and the wide texts of the user interface (wchar_t, which is
 * UTF-16 on Windows).  Capacities count characters, terminator included.
 */
#ifndef PDR_TEXT_BOUNDED_TEXT_H
#define PDR_TEXT_BOUNDED_TEXT_H

#include <stdarg.h>
#include <stddef.h>

/* Copies `source` with its terminator.  A null source gives the empty text
 * (true); a zero capacity writes nothing (false, not reported). */
bool CopyTextBounded(char* destination, size_t capacity, const char* source);
bool CopyTextBounded(wchar_t* destination, size_t capacity, const wchar_t* source);
bool CopyTextBounded(char16_t* destination, size_t capacity, const char16_t* source);

/* Appends `piece` behind the terminated text in `destination`.  When the
 * result does not fit, the whole destination becomes empty. */
bool AppendTextBounded(char* destination, size_t capacity, const char* piece);
bool AppendTextBounded(wchar_t* destination, size_t capacity, const wchar_t* piece);

/* Appends an ASCII piece (digits, signs, punctuation) to a wide text, each
 * byte widened to the character of the same value.  8-bit texts in the
 * system's code page go through AppendCodePageText (code_page_text.h). */
bool AppendAsciiBounded(wchar_t* destination, size_t capacity, const char* piece);

/* printf formatting of 8-bit text, whole or empty. */
bool FormatTextBounded(char* destination, size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool FormatTextBoundedV(char* destination, size_t capacity, const char* format, va_list arguments);

/* Appends an ASCII text formatted with `format` (numbers and ASCII pieces
 * only) to a wide text, whole or empty. */
bool AppendFormatBounded(wchar_t* destination, size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

/* Copies or appends as much as fits; the destination always stays
 * terminated.  Nothing is reported: these texts are cut on purpose. */
void CutTextToFit(wchar_t* destination, size_t capacity, const wchar_t* source);
void AppendCutToFit(wchar_t* destination, size_t capacity, const wchar_t* piece);

/* The length of a text, stopping at `limit`. */
size_t TextLength(const char* text, size_t limit);
size_t TextLength(const wchar_t* text, size_t limit);
size_t TextLength(const char16_t* text, size_t limit);

/* The shell routes the report to the debugger output; the core has no
 * console of its own, so by default nothing is written. */
typedef void (*InvalidParameterReporter)(const char* message);
void SetInvalidParameterReporter(InvalidParameterReporter reporter);
void ReportInvalidParameter();

#endif
