/*
 * Print ticket and capabilities documents through the system's MSXML 6
 * DOM: the document text is composed whole and loaded in one parse (a
 * caller's ticket is composed anew around its own nodes and loaded back
 * into the caller's document), and a ticket is read by walking its
 * elements.  Names resolve through the prefixes the document's root
 * declares.
 *
 * Composing text instead of creating each node through the DOM saves a COM
 * call per element, attribute and text (thousands for a 128-label
 * capabilities document), and is as sound: every element and attribute
 * name is fixed ASCII of this code or the mapping table, every other text
 * (label names in the code page, display names from the string tables) is
 * escaped for XML 1.0 on the way in, and every document is validated by
 * loading it into MSXML 6: a text that does not parse fails the call, so no
 * caller ever gets a half-built or unchecked document.
 */
#ifndef PDR_PRINT_TICKET_TICKET_XML_WIN32_H
#define PDR_PRINT_TICKET_TICKET_XML_WIN32_H

#include <windows.h>

#include <msxml2.h>

#include "print_ticket/ticket_values.h"
#include "print_ticket/xml_text_win32.h"
#include "settings/catalogue_labels.h"
#include "settings/printer_options.h"

/* MSXML 6's document class and the interfaces the provider uses, which
 * the compiler's import libraries lack. */
extern const CLSID ClsidDomDocument60;
extern const IID IidXmlDomDocument2;
extern const IID IidXmlDomElement;

/* The driver's own namespace, versioned. */
extern const wchar_t PrivateTicketNamespace[];

/* A fresh MSXML 6 document, or null. */
IXMLDOMDocument2* CreateTicketDocument();

/* Replaces `document`'s content with `text`; false when it does not parse. */
bool LoadTicketText(IXMLDOMDocument2* document, const wchar_t* text);

/* How a ticket read. */
enum class TicketReading { Read, Empty, Malformed };

/* The settings `document` carries (empty: a document without a root
 * element).  A root other than a print ticket is malformed. */
TicketReading ReadTicketDocument(IXMLDOMDocument2* document, TicketValues* values);

/* The ticket text of `values`, the driver's namespace under
 * `privatePrefix`: one element under the root per setting present, in the
 * table's order; or null.  free() it. */
wchar_t* ComposeTicketText(const TicketValues& values, const char* privatePrefix = "pdr");

/* Appends the element of setting `index` of `values` (one present), the
 * driver's namespace under `xml.PrivatePrefix`, as ComposeTicketText
 * writes it under the root. */
void AppendTicketSetting(XmlText& xml, const TicketValues& values, int index);

/* Writes `values` into a caller's ticket: each setting present replaces the
 * element of the same kind and name (by namespace, whatever the prefix) and
 * the rest of the ticket stays; a document without a print ticket root gets
 * the whole ticket.  False when it could not be written. */
bool WriteTicketValues(IXMLDOMDocument2* document, const TicketValues& values);

/* The capabilities text for a merged record: its papers, every setting of
 * the table with the user's interface language's names, and the hardware
 * options' availability; or null.  free() it. */
wchar_t* ComposeCapabilitiesText(const DriverDevMode& merged, const PrinterOptions& options,
                                 CatalogueLabels* labels);

#endif
