/*
 * The print ticket provider a monolithic driver's configuration module
 * supplies: its class ids, the provider interface as the printer driver
 * interface declares it (the compiler's headers lack it), and the class
 * object the DLL's exported DllGetClassObject hands out.
 */
#ifndef PDR_PRINT_TICKET_TICKET_PROVIDER_WIN32_H
#define PDR_PRINT_TICKET_TICKET_PROVIDER_WIN32_H

#include <windows.h>

#include <msxml2.h>
#include <objbase.h>

/* {46AC151B-8490-4531-96CC-55BF2BF19E11} */
extern const CLSID ClsidTicketProvider;
/* {BB5116DB-0A23-4c3a-A6B6-89E5558DFB5D} */
extern const IID IidPrintTicketProvider;

/* Answers of the interface. */
constexpr HRESULT VersionNotSupported = static_cast<HRESULT>(0x80040001L); /* E_VERSION_NOT_SUPPORTED */
constexpr HRESULT NoConflict = static_cast<HRESULT>(0x00040001L);          /* S_NO_CONFLICT */
constexpr HRESULT ConflictResolved = static_cast<HRESULT>(0x00040002L);    /* S_CONFLICT_RESOLVED */
constexpr HRESULT PrintTicketFormat = static_cast<HRESULT>(0x80040003L);   /* E_PRINTTICKET_FORMAT */

/* BindPrinter's snapshot choice: the system keeps the record as a snapshot
 * in the ticket (PTSHIM_DEFAULT), or not. */
enum TicketShimOptions { ShimDefault = 0, ShimNoSnapshot = 1 };

/* The provider interface, methods in the order of its vtable. */
struct IPrintTicketProvider : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetSupportedVersions(HANDLE printer, INT** versions, INT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE BindPrinter(HANDLE printer, INT version, TicketShimOptions* options,
                                                  DWORD* devModeFlags, INT* namespaceCount,
                                                  BSTR** namespaces) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryDeviceNamespace(BSTR* defaultNamespace) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConvertPrintTicketToDevMode(IXMLDOMDocument2* ticket, ULONG inBytes,
                                                                  DEVMODEW* in, ULONG* outBytes,
                                                                  DEVMODEW** out) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConvertDevModeToPrintTicket(ULONG bytes, DEVMODEW* record,
                                                                  IXMLDOMDocument2* ticket) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPrintCapabilities(IXMLDOMDocument2* ticket,
                                                           IXMLDOMDocument2** capabilities) = 0;
    virtual HRESULT STDMETHODCALLTYPE ValidatePrintTicket(IXMLDOMDocument2* ticket) = 0;
};

/* DllGetClassObject's answer for `clsid`: the provider's class factory, or
 * CLASS_E_CLASSNOTAVAILABLE. */
HRESULT GetTicketProviderClassObject(REFCLSID clsid, REFIID iid, void** object);

/* True when no provider or factory is alive and no server lock is held. */
bool TicketProviderCanUnload();

#endif
