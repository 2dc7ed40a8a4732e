/* Loading ticket documents into MSXML 6 and reading a ticket's settings. */
#include <string.h>
#include <wchar.h>

#include "print_ticket/ticket_dom_win32.h"

const wchar_t FrameworkNamespace[] =
    L"http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework";
const wchar_t KeywordNamespace[] =
    L"http://schemas.microsoft.com/windows/2003/08/printing/printschemakeywords";
const wchar_t InstanceNamespace[] = L"http://www.w3.org/2001/XMLSchema-instance";
const wchar_t SchemaNamespace[] = L"http://www.w3.org/2001/XMLSchema";

void ReadPrefixes(IXMLDOMElement* root, PrefixMap* map)
{
    static const wchar_t* const Known[] = {KeywordNamespace, PrivateTicketNamespace, FrameworkNamespace,
                                           InstanceNamespace, SchemaNamespace};
    map->Count = 0;
    map->Complete = false;
    IXMLDOMNamedNodeMap* attributes = nullptr;
    if (FAILED(root->get_attributes(&attributes)) || attributes == nullptr)
        return;
    long count = 0;
    attributes->get_length(&count);
    map->Complete = true;
    /* One index past the length: Wine's msxml reports the declarations of
     * an element without other attributes one index late (the first at 0
     * and 1, the last at the length); a prefix already read is that repeat,
     * as no element declares one twice. */
    for (long i = 0; i <= count && map->Complete; ++i) {
        IXMLDOMNode* attribute = nullptr;
        BSTR name = nullptr;
        VARIANT value;
        VariantInit(&value);
        const bool declaration = SUCCEEDED(attributes->get_item(i, &attribute)) && attribute != nullptr &&
                                 SUCCEEDED(attribute->get_nodeName(&name)) && name != nullptr &&
                                 wcsncmp(name, L"xmlns:", 6) == 0 && wcslen(name + 6) < TicketPrefixChars &&
                                 PrefixNamespace(*map, name + 6) < 0 &&
                                 SUCCEEDED(attribute->get_nodeValue(&value)) && value.vt == VT_BSTR &&
                                 value.bstrVal != nullptr;
        /* A declaration the map has no room for leaves it incomplete. */
        if (declaration && map->Count == MaxTicketPrefixes) {
            map->Complete = false;
        } else if (declaration) {
            wcscpy(map->Prefix[map->Count], name + 6);
            int bound = NamespaceOther;
            for (int k = 0; k < static_cast<int>(sizeof Known / sizeof Known[0]); ++k) {
                if (wcscmp(value.bstrVal, Known[k]) == 0)
                    bound = k;
            }
            map->Namespace[map->Count++] = bound;
        }
        VariantClear(&value);
        SysFreeString(name);
        Release(attribute);
    }
    Release(attributes);
}

int PrefixNamespace(const PrefixMap& map, const wchar_t* prefix)
{
    for (int i = 0; i < map.Count; ++i) {
        if (wcscmp(map.Prefix[i], prefix) == 0)
            return map.Namespace[i];
    }
    return -1;
}

namespace {

enum { ValueBytes = 256 };

/* A qualified name split into its namespace and its local name (ASCII;
 * any other name matches nothing). */
bool ResolveName(const PrefixMap& map, const wchar_t* qualified, TicketSpace* space, char* local)
{
    if (qualified == nullptr)
        return false;
    const wchar_t* colon = wcschr(qualified, L':');
    if (colon == nullptr)
        return false;
    const size_t prefixLength = static_cast<size_t>(colon - qualified);
    int found = -1;
    for (int i = 0; i < map.Count; ++i) {
        if (wcslen(map.Prefix[i]) == prefixLength && wcsncmp(map.Prefix[i], qualified, prefixLength) == 0)
            found = map.Namespace[i];
    }
    if (found != NamespaceKeywords && found != NamespacePrivate)
        return false;
    size_t n = 0;
    for (const wchar_t* c = colon + 1; *c != L'\0'; ++c) {
        if (*c > 0x7E || *c < 0x21 || n + 1 >= TicketNameBytes)
            return false;
        local[n++] = static_cast<char>(*c);
    }
    local[n] = '\0';
    *space = static_cast<TicketSpace>(found);
    return true;
}

/* The local name of `node` when it is an element of the framework, else
 * null; SysFreeString() it. */
BSTR FrameworkLocalName(IXMLDOMNode* node)
{
    DOMNodeType type;
    BSTR base = nullptr;
    BSTR uri = nullptr;
    const bool framework = SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT &&
                           SUCCEEDED(node->get_baseName(&base)) && base != nullptr &&
                           SUCCEEDED(node->get_namespaceURI(&uri)) && uri != nullptr &&
                           wcscmp(uri, FrameworkNamespace) == 0;
    SysFreeString(uri);
    if (!framework) {
        SysFreeString(base);
        base = nullptr;
    }
    return base;
}

}  // namespace

bool IsFrameworkElement(IXMLDOMNode* node, const wchar_t* name)
{
    BSTR base = FrameworkLocalName(node);
    const bool match = base != nullptr && wcscmp(base, name) == 0;
    SysFreeString(base);
    return match;
}

SettingElement SettingElementOf(IXMLDOMNode* node)
{
    BSTR base = FrameworkLocalName(node);
    SettingElement element = SettingElement::None;
    if (base != nullptr && wcscmp(base, L"Feature") == 0)
        element = SettingElement::Feature;
    else if (base != nullptr && wcscmp(base, L"ParameterInit") == 0)
        element = SettingElement::Parameter;
    SysFreeString(base);
    return element;
}

bool ElementName(IXMLDOMNode* node, const PrefixMap& map, TicketSpace* space, char* local)
{
    IXMLDOMElement* element = nullptr;
    if (FAILED(node->QueryInterface(IidXmlDomElement, reinterpret_cast<void**>(&element))))
        return false;
    VARIANT value;
    VariantInit(&value);
    BSTR attribute = SysAllocString(L"name");
    const bool read = attribute != nullptr && element->getAttribute(attribute, &value) == S_OK &&
                      value.vt == VT_BSTR && ResolveName(map, value.bstrVal, space, local);
    SysFreeString(attribute);
    VariantClear(&value);
    Release(element);
    return read;
}

namespace {

/* The first child that is the framework's element `name`, or null. */
IXMLDOMNode* FirstChildElement(IXMLDOMNode* parent, const wchar_t* name)
{
    IXMLDOMNode* child = nullptr;
    parent->get_firstChild(&child);
    while (child != nullptr) {
        if (IsFrameworkElement(child, name))
            return child;
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    return nullptr;
}

/* The character data of `value` as it was written, its text and CDATA
 * children's values joined into `data` (ValueBytes units); false when there
 * is none or it does not fit.  The DOM's own text of a node trims white
 * space at both ends unless the document preserves it, which would change a
 * label name. */
bool CharacterData(IXMLDOMNode* value, wchar_t* data, UINT* length)
{
    *length = 0;
    bool whole = true;
    IXMLDOMNode* child = nullptr;
    value->get_firstChild(&child);
    while (child != nullptr) {
        DOMNodeType type;
        VARIANT part;
        VariantInit(&part);
        if (SUCCEEDED(child->get_nodeType(&type)) && (type == NODE_TEXT || type == NODE_CDATA_SECTION) &&
            SUCCEEDED(child->get_nodeValue(&part)) && part.vt == VT_BSTR && part.bstrVal != nullptr) {
            const UINT units = SysStringLen(part.bstrVal);
            whole = whole && units <= ValueBytes - *length;
            if (whole) {
                memcpy(data + *length, part.bstrVal, units * sizeof(wchar_t));
                *length += units;
            }
        }
        VariantClear(&part);
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    return whole;
}

/* The text of `node`'s psf:Value child in the system's code page, bounded;
 * false when there is none or it does not fit. */
bool ValueText(IXMLDOMNode* node, char* text, size_t capacity)
{
    IXMLDOMNode* value = FirstChildElement(node, L"Value");
    if (value == nullptr)
        return false;
    wchar_t content[ValueBytes];
    UINT units = 0;
    bool read = CharacterData(value, content, &units);
    if (read) {
        const int length = static_cast<int>(units);
        const int written = length == 0
                                ? 0
                                : WideCharToMultiByte(CP_ACP, 0, content, length, text,
                                                      static_cast<int>(capacity) - 1, nullptr, nullptr);
        read = length == 0 || written > 0;
        text[read ? written : 0] = '\0';
    }
    Release(value);
    return read;
}

/* The value of the option's scored property `local` of the keywords. */
bool ScoredValue(IXMLDOMNode* option, const PrefixMap& map, const char* wanted, char* text)
{
    IXMLDOMNode* child = nullptr;
    option->get_firstChild(&child);
    bool found = false;
    while (child != nullptr && !found) {
        TicketSpace space;
        char local[TicketNameBytes];
        if (IsFrameworkElement(child, L"ScoredProperty") && ElementName(child, map, &space, local) &&
            space == TicketSpace::Keywords && strcmp(local, wanted) == 0)
            found = ValueText(child, text, ValueBytes);
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    Release(child);
    return found;
}

void ReadFeature(IXMLDOMNode* feature, const PrefixMap& map, TicketValues* values)
{
    TicketSpace space;
    char name[TicketNameBytes];
    if (!ElementName(feature, map, &space, name))
        return;
    IXMLDOMNode* option = FirstChildElement(feature, L"Option");
    TicketSpace optionSpace;
    char optionName[TicketNameBytes];
    if (option != nullptr && ElementName(option, map, &optionSpace, optionName)) {
        const int index = FindTicketSetting(space, name);
        if (index >= 0 && TicketSettings[index].Kind == TicketKind::Paper) {
            char width[ValueBytes] = "";
            char height[ValueBytes] = "";
            ScoredValue(option, map, "MediaSizeWidth", width);
            ScoredValue(option, map, "MediaSizeHeight", height);
            TakeTicketMediaSize(values, optionSpace, optionName, width, height);
        } else {
            TakeTicketOption(values, space, name, optionSpace, optionName);
        }
    }
    Release(option);
}

void ReadParameter(IXMLDOMNode* parameter, const PrefixMap& map, TicketValues* values)
{
    TicketSpace space;
    char name[TicketNameBytes];
    char text[ValueBytes];
    if (ElementName(parameter, map, &space, name) && ValueText(parameter, text, sizeof text))
        TakeTicketParameter(values, space, name, text);
}

}  // namespace

/* {88d96a05-f192-11d4-a65f-0040963251e5} */
const CLSID ClsidDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
/* {2933BF95-7B36-11d2-B20E-00C04F983E60} */
const IID IidXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
/* {2933BF86-7B36-11d2-B20E-00C04F983E60} */
const IID IidXmlDomElement = {0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

const wchar_t PrivateTicketNamespace[] = L"urn:schemas-pellucidor-systems:pdr7300:print-schema:v1";

IXMLDOMDocument2* CreateTicketDocument()
{
    IXMLDOMDocument2* document = nullptr;
    if (FAILED(CoCreateInstance(ClsidDomDocument60, nullptr, CLSCTX_INPROC_SERVER, IidXmlDomDocument2,
                                reinterpret_cast<void**>(&document))))
        return nullptr;
    document->put_async(VARIANT_FALSE);
    document->put_resolveExternals(VARIANT_FALSE);
    return document;
}

bool LoadTicketText(IXMLDOMDocument2* document, const wchar_t* text)
{
    if (document == nullptr || text == nullptr)
        return false;
    BSTR source = SysAllocString(text);
    if (source == nullptr)
        return false;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT result = document->loadXML(source, &loaded);
    SysFreeString(source);
    return result == S_OK && loaded == VARIANT_TRUE;
}

TicketReading ReadTicketDocument(IXMLDOMDocument2* document, TicketValues* values)
{
    ClearTicketValues(values);
    IXMLDOMElement* root = nullptr;
    if (document == nullptr || document->get_documentElement(&root) != S_OK || root == nullptr)
        return TicketReading::Empty;
    if (!IsFrameworkElement(root, L"PrintTicket")) {
        Release(root);
        return TicketReading::Malformed;
    }
    PrefixMap map;
    ReadPrefixes(root, &map);
    IXMLDOMNode* child = nullptr;
    root->get_firstChild(&child);
    while (child != nullptr) {
        const SettingElement element = SettingElementOf(child);
        if (element == SettingElement::Feature)
            ReadFeature(child, map, values);
        else if (element == SettingElement::Parameter)
            ReadParameter(child, map, values);
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    Release(root);
    return TicketReading::Read;
}
