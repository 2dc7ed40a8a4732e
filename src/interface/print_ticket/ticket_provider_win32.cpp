/*
 * The print ticket provider object and its class factory.  Every method
 * checks its pointers before it touches them, hands back memory the way the
 * interface says (CoTaskMemAlloc, SysAllocString), and lets no exception
 * out: the provider's own code throws none.
 */
#include "print_ticket/ticket_provider_win32.h"

#include <stdlib.h>
#include <string.h>

#include <new>

#include "print_ticket/ticket_conversion.h"
#include "print_ticket/ticket_xml_win32.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_context/printer_info.h"
#include "sheet_context/sheet_context.h"
#include "text/bounded_text.h"
#include "text/platform_hooks.h"

const CLSID ClsidTicketProvider = {
    0x46ac151b, 0x8490, 0x4531, {0x96, 0xcc, 0x55, 0xbf, 0x2b, 0xf1, 0x9e, 0x11}};
const IID IidPrintTicketProvider = {
    0xbb5116db, 0x0a23, 0x4c3a, {0xa6, 0xb6, 0x89, 0xe5, 0x55, 0x8d, 0xfb, 0x5d}};

namespace {

constexpr INT SchemaVersion = 1;
/* The public fields the provider converts itself. */
constexpr DWORD ConvertedPublicFields =
    DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES | DM_COLOR | DM_FORMNAME;
/* The record's header reaches up to dmDriverExtra and dmFields. */
constexpr ULONG RecordHeaderBytes = offsetof(PublicDevMode, dmFields);

volatile LONG LiveObjects = 0;
volatile LONG ServerLocks = 0;

/* A caller's record whole within the bytes it says it has, with a private
 * part, merged over the defaults. */
HRESULT MergeCallerRecord(ULONG bytes, const DEVMODEW* record, const char16_t* deviceName,
                          DriverDevMode* merged, CatalogueLabels* labels)
{
    if (record == nullptr)
        return E_POINTER;
    if (bytes < RecordHeaderBytes)
        return E_INVALIDARG;
    if (RecordExtraSize(record) == 0 || RecordTotalSize(record) > bytes)
        return E_INVALIDARG;
    BuildDefaultDevMode(merged, deviceName);
    GiveRecordAUsablePaper(merged);
    return MergeDevModeWithLabels(merged, record, labels) ? S_OK : E_INVALIDARG;
}

/* The settings a ticket document carries; an empty document carries none
 * when `emptyAllowed`. */
HRESULT ReadTicket(IXMLDOMDocument2* document, bool emptyAllowed, TicketValues* values)
{
    const TicketReading reading = ReadTicketDocument(document, values);
    if (reading == TicketReading::Read || (reading == TicketReading::Empty && emptyAllowed))
        return S_OK;
    return PrintTicketFormat;
}

HRESULT LoadComposed(IXMLDOMDocument2* document, wchar_t* text)
{
    if (text == nullptr)
        return E_OUTOFMEMORY;
    const bool loaded = LoadTicketText(document, text);
    free(text);
    return loaded ? S_OK : E_FAIL;
}

/* IUnknown of the module's objects: one interface each, counted, and each
 * object alive keeps the module loaded. */
template <typename Interface>
class CountedObject : public Interface {
public:
    explicit CountedObject(const IID& iid) : iid_(iid)
    {
        InterlockedIncrement(&LiveObjects);
    }
    virtual ~CountedObject()
    {
        InterlockedDecrement(&LiveObjects);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, iid_))
            return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

private:
    const IID& iid_;
    LONG references_ = 1;
};

class TicketProvider : public CountedObject<IPrintTicketProvider> {
public:
    TicketProvider() : CountedObject<IPrintTicketProvider>(IidPrintTicketProvider) {}

    HRESULT STDMETHODCALLTYPE GetSupportedVersions(HANDLE, INT** versions, INT* count) override
    {
        if (versions == nullptr || count == nullptr)
            return E_POINTER;
        *versions = static_cast<INT*>(CoTaskMemAlloc(sizeof(INT)));
        if (*versions == nullptr)
            return E_OUTOFMEMORY;
        (*versions)[0] = SchemaVersion;
        *count = 1;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE BindPrinter(HANDLE printer, INT version, TicketShimOptions* shim,
                                          DWORD* devModeFlags, INT* namespaceCount,
                                          BSTR** namespaces) override
    {
        if (shim == nullptr || devModeFlags == nullptr || namespaceCount == nullptr || namespaces == nullptr)
            return E_POINTER;
        if (version != SchemaVersion)
            return VersionNotSupported;
        if (printer == nullptr)
            return E_INVALIDARG;
        BSTR* names = static_cast<BSTR*>(CoTaskMemAlloc(sizeof(BSTR)));
        if (names == nullptr)
            return E_OUTOFMEMORY;
        names[0] = SysAllocString(PrivateTicketNamespace);
        if (names[0] == nullptr) {
            CoTaskMemFree(names);
            return E_OUTOFMEMORY;
        }
        ReadPrinterOptions(printer, &options);
        ReadDeviceName(printer);
        *shim = ShimDefault;
        *devModeFlags = ConvertedPublicFields;
        *namespaceCount = 1;
        *namespaces = names;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryDeviceNamespace(BSTR* defaultNamespace) override
    {
        if (defaultNamespace == nullptr)
            return E_POINTER;
        *defaultNamespace = SysAllocString(PrivateTicketNamespace);
        return *defaultNamespace != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE ConvertPrintTicketToDevMode(IXMLDOMDocument2* ticket, ULONG inBytes,
                                                          DEVMODEW* in, ULONG* outBytes,
                                                          DEVMODEW** out) override
    {
        if (outBytes == nullptr || out == nullptr || ticket == nullptr)
            return E_POINTER;
        *out = nullptr;
        *outBytes = 0;
        EnsurePlatformHooks();
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        DriverDevMode base;
        HRESULT result = MergeCallerRecord(inBytes, in, deviceName, &base, &labels);
        TicketValues values;
        if (SUCCEEDED(result))
            result = ReadTicket(ticket, false, &values);
        DriverDevMode converted;
        if (SUCCEEDED(result) && !ConvertTicketToRecord(values, base, &converted, &labels))
            result = E_FAIL;
        if (FAILED(result))
            return result;
        DEVMODEW* record = static_cast<DEVMODEW*>(CoTaskMemAlloc(sizeof converted));
        if (record == nullptr)
            return E_OUTOFMEMORY;
        memcpy(record, &converted, sizeof converted);
        *out = record;
        *outBytes = sizeof converted;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE ConvertDevModeToPrintTicket(ULONG bytes, DEVMODEW* record,
                                                          IXMLDOMDocument2* ticket) override
    {
        if (ticket == nullptr)
            return E_POINTER;
        EnsurePlatformHooks();
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        DriverDevMode merged;
        const HRESULT result = MergeCallerRecord(bytes, record, deviceName, &merged, &labels);
        if (FAILED(result))
            return result;
        TicketValues values;
        TicketValuesFromRecord(merged, &values);
        return WriteTicketValues(ticket, values) ? S_OK : E_FAIL;
    }

    HRESULT STDMETHODCALLTYPE GetPrintCapabilities(IXMLDOMDocument2* ticket,
                                                   IXMLDOMDocument2** capabilities) override
    {
        if (capabilities == nullptr)
            return E_POINTER;
        *capabilities = nullptr;
        EnsurePlatformHooks();
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        TicketValues values;
        ClearTicketValues(&values);
        if (ticket != nullptr && FAILED(ReadTicket(ticket, true, &values)))
            return PrintTicketFormat;
        DriverDevMode defaults;
        BuildDefaultDevMode(&defaults, deviceName);
        GiveRecordAUsablePaper(&defaults);
        DriverDevMode merged;
        if (!ConvertTicketToRecord(values, defaults, &merged, &labels))
            return E_FAIL;
        IXMLDOMDocument2* document = CreateTicketDocument();
        if (document == nullptr)
            return E_FAIL;
        const HRESULT result = LoadComposed(document, ComposeCapabilitiesText(merged, options, &labels));
        if (FAILED(result)) {
            document->Release();
            return result;
        }
        *capabilities = document;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE ValidatePrintTicket(IXMLDOMDocument2* ticket) override
    {
        if (ticket == nullptr)
            return E_POINTER;
        EnsurePlatformHooks();
        CatalogueLabels labels;
        ResetCatalogueLabels(&labels);
        TicketValues values;
        HRESULT result = ReadTicket(ticket, false, &values);
        if (FAILED(result))
            return result;
        const int conflicts = ValidateTicketValues(&values, options, &labels);
        if (conflicts < 0)
            return E_FAIL;
        if (!WriteTicketValues(ticket, values))
            return E_FAIL;
        return conflicts > 0 ? ConflictResolved : NoConflict;
    }

private:
    /* Records carry the printer's driver name, as the driver's defaults do. */
    void ReadDeviceName(HANDLE printer)
    {
        PRINTER_INFO_2W* info = ReadPrinterInfo2(printer);
        if (info == nullptr)
            return;
        if (info->pDriverName != nullptr)
            CopyTextBounded(deviceName, DeviceNameChars,
                            reinterpret_cast<const char16_t*>(info->pDriverName));
        GlobalFree(info);
    }

    PrinterOptions options = {0, 0};
    char16_t deviceName[DeviceNameChars] = {};
};

class TicketProviderFactory : public CountedObject<IClassFactory> {
public:
    TicketProviderFactory() : CountedObject<IClassFactory>(IID_IClassFactory) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        TicketProvider* provider = new (std::nothrow) TicketProvider();
        if (provider == nullptr)
            return E_OUTOFMEMORY;
        const HRESULT result = provider->QueryInterface(iid, object);
        provider->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&ServerLocks);
        else
            InterlockedDecrement(&ServerLocks);
        return S_OK;
    }
};

}  // namespace

HRESULT GetTicketProviderClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, ClsidTicketProvider))
        return CLASS_E_CLASSNOTAVAILABLE;
    TicketProviderFactory* factory = new (std::nothrow) TicketProviderFactory();
    if (factory == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

bool TicketProviderCanUnload()
{
    return InterlockedCompareExchange(&LiveObjects, 0, 0) == 0 &&
           InterlockedCompareExchange(&ServerLocks, 0, 0) == 0;
}
