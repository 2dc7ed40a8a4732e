#include "ticket_session.h"

#include "print_ticket/ticket_xml_win32.h"
#include "wine_test_support.h"

namespace {

const wchar_t SelectionNamespaces[] =
    L"xmlns:psf='http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework' "
    L"xmlns:psk='http://schemas.microsoft.com/windows/2003/08/printing/printschemakeywords' "
    L"xmlns:pdr='urn:schemas-pellucidor-systems:pdr7300:print-schema:v1'";

void SetStringProperty(IXMLDOMDocument2* document, const wchar_t* name, const wchar_t* value)
{
    BSTR property = SysAllocString(name);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(value);
    document->setProperty(property, text);
    VariantClear(&text);
    SysFreeString(property);
}

}  // namespace

bool TicketSession::Open(HANDLE printer)
{
    Library = LoadDriverLibrary();
    if (Library == nullptr)
        return false;
    GetClassObject = DriverExport<decltype(GetClassObject)>(Library, "DllGetClassObject");
    CanUnloadNow = DriverExport<decltype(CanUnloadNow)>(Library, "DllCanUnloadNow");
    IClassFactory* factory = nullptr;
    if (GetClassObject == nullptr || CanUnloadNow == nullptr ||
        FAILED(GetClassObject(ClsidTicketProvider, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return false;
    const HRESULT created =
        factory->CreateInstance(nullptr, IidPrintTicketProvider, reinterpret_cast<void**>(&Provider));
    factory->Release();
    if (FAILED(created))
        return false;
    TicketShimOptions shim;
    DWORD fields = 0;
    INT count = 0;
    BSTR* names = nullptr;
    if (Provider->BindPrinter(printer, 1, &shim, &fields, &count, &names) != S_OK)
        return false;
    for (INT i = 0; i < count; ++i)
        SysFreeString(names[i]);
    CoTaskMemFree(names);
    return true;
}

void TicketSession::Close()
{
    if (Provider != nullptr)
        Provider->Release();
    Provider = nullptr;
}

IXMLDOMDocument2* TicketSession::TicketOf(const DriverDevMode& record)
{
    IXMLDOMDocument2* ticket = NewQueryableDocument();
    if (ticket == nullptr)
        return nullptr;
    DriverDevMode copy = record;
    if (Provider->ConvertDevModeToPrintTicket(sizeof copy, reinterpret_cast<DEVMODEW*>(&copy), ticket) !=
        S_OK) {
        ticket->Release();
        return nullptr;
    }
    MakeQueryable(ticket);
    return ticket;
}

bool TicketSession::RecordOf(IXMLDOMDocument2* ticket, const DriverDevMode& base, DriverDevMode* out)
{
    DriverDevMode copy = base;
    ULONG bytes = 0;
    DEVMODEW* record = nullptr;
    if (Provider->ConvertPrintTicketToDevMode(ticket, sizeof copy, reinterpret_cast<DEVMODEW*>(&copy), &bytes,
                                              &record) != S_OK)
        return false;
    const bool whole = record != nullptr && bytes == sizeof *out;
    if (whole)
        memcpy(out, record, sizeof *out);
    CoTaskMemFree(record);
    return whole;
}

IXMLDOMDocument2* NewQueryableDocument()
{
    IXMLDOMDocument2* document = nullptr;
    if (FAILED(CoCreateInstance(ClsidDomDocument60, nullptr, CLSCTX_INPROC_SERVER, IidXmlDomDocument2,
                                reinterpret_cast<void**>(&document))))
        return nullptr;
    MakeQueryable(document);
    return document;
}

void MakeQueryable(IXMLDOMDocument2* document)
{
    SetStringProperty(document, L"SelectionLanguage", L"XPath");
    SetStringProperty(document, L"SelectionNamespaces", SelectionNamespaces);
}

IXMLDOMNode* SelectNode(IXMLDOMDocument2* document, const wchar_t* xpath)
{
    BSTR query = SysAllocString(xpath);
    IXMLDOMNode* node = nullptr;
    if (document->selectSingleNode(query, &node) != S_OK)
        node = nullptr;
    SysFreeString(query);
    return node;
}

std::wstring SelectedText(IXMLDOMDocument2* document, const wchar_t* xpath)
{
    IXMLDOMNode* node = SelectNode(document, xpath);
    if (node == nullptr)
        return L"<none>";
    /* An element's text as the DOM gives it; any other node's value exactly
       (the DOM's text trims white space). */
    DOMNodeType type = NODE_ELEMENT;
    node->get_nodeType(&type);
    VARIANT value;
    VariantInit(&value);
    if (type == NODE_ELEMENT) {
        value.vt = VT_BSTR;
        node->get_text(&value.bstrVal);
    } else {
        node->get_nodeValue(&value);
    }
    std::wstring result = value.vt == VT_BSTR && value.bstrVal != nullptr ? value.bstrVal : L"";
    VariantClear(&value);
    node->Release();
    return result;
}

bool SetSelected(IXMLDOMDocument2* document, const wchar_t* xpath, const wchar_t* attribute,
                 const wchar_t* value)
{
    IXMLDOMNode* node = SelectNode(document, xpath);
    IXMLDOMElement* element = nullptr;
    bool set = false;
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(value);
    if (node != nullptr && attribute == nullptr)
        set = node->put_text(text.bstrVal) == S_OK;
    else if (node != nullptr &&
             SUCCEEDED(node->QueryInterface(IidXmlDomElement, reinterpret_cast<void**>(&element)))) {
        BSTR name = SysAllocString(attribute);
        set = element->setAttribute(name, text) == S_OK;
        SysFreeString(name);
        element->Release();
    }
    VariantClear(&text);
    if (node != nullptr)
        node->Release();
    return set;
}
