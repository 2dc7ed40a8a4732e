/*
 * The print ticket provider as Windows' print ticket manager gets it: the
 * DLL loaded by path, its class object asked through DllGetClassObject,
 * the demo printer bound; and the DOM steps a program takes on tickets.
 */
#ifndef PDR_TESTS_TICKET_SESSION_H
#define PDR_TESTS_TICKET_SESSION_H

#include <windows.h>

#include <string>

#include "print_ticket/ticket_provider_win32.h"
#include "settings/driver_devmode.h"

struct TicketSession {
    HMODULE Library = nullptr;
    IPrintTicketProvider* Provider = nullptr;
    HRESULT(WINAPI* GetClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(WINAPI* CanUnloadNow)() = nullptr;

    /* Loads, creates and binds to `printer`; false at the first failure. */
    bool Open(HANDLE printer);
    void Close();

    /* The record as a ticket, or null. */
    IXMLDOMDocument2* TicketOf(const DriverDevMode& record);
    /* The ticket laid over `base`; false when the provider refused. */
    bool RecordOf(IXMLDOMDocument2* ticket, const DriverDevMode& base, DriverDevMode* out);
};

/* A document whose XPath queries know psf, psk and the driver's prefix. */
IXMLDOMDocument2* NewQueryableDocument();
void MakeQueryable(IXMLDOMDocument2* document);

/* The first node `xpath` selects, or null. */
IXMLDOMNode* SelectNode(IXMLDOMDocument2* document, const wchar_t* xpath);

/* The text of the element `xpath` selects, or the exact value of another
 * node, such as text() ("<none>" when none). */
std::wstring SelectedText(IXMLDOMDocument2* document, const wchar_t* xpath);

/* Sets the text of the node `xpath` selects, or its attribute `attribute`
 * when given; false when nothing is selected. */
bool SetSelected(IXMLDOMDocument2* document, const wchar_t* xpath, const wchar_t* attribute,
                 const wchar_t* value);

#endif
