/*
 * A document's text composed as UTF-16: markup appended as it is, every
 * other text escaped for XML 1.0.
 */
#ifndef PDR_PRINT_TICKET_XML_TEXT_WIN32_H
#define PDR_PRINT_TICKET_XML_TEXT_WIN32_H

#include <stddef.h>
#include <stdint.h>

/* A growing text; a failed allocation leaves it failed and every later
 * append does nothing. */
struct XmlText {
    wchar_t* Data = nullptr;
    size_t Length = 0;
    size_t Capacity = 0;
    bool Failed = false;
    const char* PrivatePrefix = "pdr"; /* the driver's namespace's */

    XmlText() = default;
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;
    ~XmlText();

    /* Room for `more` units and the terminator; false when failed. */
    bool Reserve(size_t more);
    /* Markup, as it is. */
    void Append(const wchar_t* text);
    void AppendAscii(const char* text);
    void AppendUnits(const wchar_t* units, size_t count);
    /* Character data and attribute values alike, escaped. */
    void AppendEscaped(const wchar_t* text);
    void AppendNumber(int64_t value);
    /* The text handed over (free() it), or null when it could not be
     * composed. */
    wchar_t* Take();
};

#endif
