/*
 * The provider's settings written into a caller's ticket.  What the system
 * hands over may already hold what others put there (the public fields it
 * converted itself, its record snapshot, other namespaces): each setting
 * replaces the element of its kind and name, and the rest stays as it is.
 *
 * The settings are composed and parsed into a second document, as a whole
 * ticket is, and copies of their elements put in: through importNode where
 * the DOM has it (MSXML 6), else a deep clone (Wine's msxml answers
 * E_NOTIMPL to importNode; it takes a clone of another document's element
 * whole, whereas the element itself, moved, would keep pointing into the
 * second document after that is gone).
 */
#include <stdlib.h>
#include <wchar.h>

#include "print_ticket/ticket_dom_win32.h"

/* IXMLDOMDocument3, which the compiler's headers lack.  Outside the
 * anonymous namespace: there, with no class of this file deriving from it,
 * the compiler would take a call through it for one that never happens. */
struct XmlDomDocument3 : IXMLDOMDocument2 {
    virtual HRESULT STDMETHODCALLTYPE validateNode(IXMLDOMNode* node, IXMLDOMParseError** error) = 0;
    virtual HRESULT STDMETHODCALLTYPE importNode(IXMLDOMNode* node, VARIANT_BOOL deep,
                                                 IXMLDOMNode** clone) = 0;
};

namespace {

/* {2933BF96-7B36-11d2-B20E-00C04F983E60} */
const IID IidXmlDomDocument3 = {0x2933bf96, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

/* The prefixes the composed text's markup and values use besides the
 * driver's own; the caller's root must leave each free or bind it alike,
 * as the values (psk:, xsd:) are not names the DOM could rebind. */
const struct {
    const wchar_t* Prefix;
    int Namespace;
    const wchar_t* Uri;
} MarkupPrefixes[] = {{L"psf", NamespaceFramework, FrameworkNamespace},
                      {L"psk", NamespaceKeywords, KeywordNamespace},
                      {L"xsi", NamespaceInstance, InstanceNamespace},
                      {L"xsd", NamespaceSchema, SchemaNamespace}};
/* The driver's prefix: the usual one, or the next the root leaves free. */
const char* const PrivatePrefixes[] = {"pdr", "pdr1", "pdr2", "pdr3"};

bool Declare(IXMLDOMElement* root, const wchar_t* prefix, const wchar_t* uri)
{
    wchar_t name[TicketPrefixChars + 8];
    swprintf(name, sizeof name / sizeof name[0], L"xmlns:%ls", prefix);
    BSTR attribute = SysAllocString(name);
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(uri);
    const bool declared =
        attribute != nullptr && value.bstrVal != nullptr && root->setAttribute(attribute, value) == S_OK;
    VariantClear(&value);
    SysFreeString(attribute);
    return declared;
}

/* The driver's prefix for the root, every prefix the text uses declared on
 * it; null when the root binds one of the markup's to another namespace,
 * or declares more prefixes than were read (one of them might be ours). */
const char* DeclarePrefixes(IXMLDOMElement* root, const PrefixMap& map)
{
    if (!map.Complete)
        return nullptr;
    for (const auto& markup : MarkupPrefixes) {
        const int bound = PrefixNamespace(map, markup.Prefix);
        if (bound >= 0 && bound != markup.Namespace)
            return nullptr;
    }
    wchar_t own[8] = L"";
    const char* chosen = nullptr;
    for (const char* prefix : PrivatePrefixes) {
        mbstowcs(own, prefix, sizeof own / sizeof own[0]);
        const int bound = PrefixNamespace(map, own);
        if (bound < 0 || bound == NamespacePrivate) {
            chosen = prefix;
            break;
        }
    }
    if (chosen == nullptr)
        return nullptr;
    for (const auto& markup : MarkupPrefixes) {
        if (PrefixNamespace(map, markup.Prefix) < 0 && !Declare(root, markup.Prefix, markup.Uri))
            return nullptr;
    }
    if (PrefixNamespace(map, own) < 0 && !Declare(root, own, PrivateTicketNamespace))
        return nullptr;
    return chosen;
}

bool WrittenAsFeature(const TicketSetting& setting)
{
    return setting.Kind == TicketKind::Paper || setting.Kind == TicketKind::Choice;
}

/* The root's elements the settings replace, by the table's index: the
 * first of each; a later one of the same name is removed, so that each
 * setting is there once.  The caller releases what is found. */
void FindSettingElements(IXMLDOMElement* root, const PrefixMap& map, IXMLDOMNode** found)
{
    IXMLDOMNode* child = nullptr;
    root->get_firstChild(&child);
    while (child != nullptr) {
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        const bool feature = IsFrameworkElement(child, L"Feature");
        TicketSpace space;
        char local[TicketNameBytes];
        const int index =
            (feature || IsFrameworkElement(child, L"ParameterInit")) && ElementName(child, map, &space, local)
                ? FindTicketSetting(space, local)
                : -1;
        if (index >= 0 && WrittenAsFeature(TicketSettings[index]) == feature) {
            IXMLDOMNode* removed = nullptr;
            if (found[index] == nullptr) {
                found[index] = child;
                child = nullptr;
            } else {
                root->removeChild(child, &removed);
            }
            Release(removed);
        }
        Release(child);
        child = next;
    }
}

/* Copies the composed elements of `from` (one per setting present, in the
 * table's order) into `root`, over what `found` holds. */
bool CopySettings(IXMLDOMDocument2* document, IXMLDOMElement* root, IXMLDOMElement* from,
                  const TicketValues& values, IXMLDOMNode** found)
{
    XmlDomDocument3* importer = nullptr;
    document->QueryInterface(IidXmlDomDocument3, reinterpret_cast<void**>(&importer));
    IXMLDOMNode* child = nullptr;
    from->get_firstChild(&child);
    bool moved = true;
    for (int i = 0; i < TicketSettingCount && moved; ++i) {
        if (!values.Values[i].Present)
            continue;
        IXMLDOMNode* next = nullptr;
        IXMLDOMNode* imported = nullptr;
        IXMLDOMNode* placed = nullptr;
        moved = child != nullptr && SUCCEEDED(child->get_nextSibling(&next));
        if (moved && (importer == nullptr || importer->importNode(child, VARIANT_TRUE, &imported) != S_OK)) {
            Release(imported);
            moved = child->cloneNode(VARIANT_TRUE, &imported) == S_OK && imported != nullptr;
        }
        if (moved)
            moved = (found[i] != nullptr ? root->replaceChild(imported, found[i], &placed)
                                         : root->appendChild(imported, &placed)) == S_OK;
        Release(placed);
        Release(imported);
        Release(child);
        child = next;
    }
    Release(child);
    Release(importer);
    return moved;
}

bool LoadWholeTicket(IXMLDOMDocument2* document, const TicketValues& values)
{
    wchar_t* text = ComposeTicketText(values);
    const bool loaded = text != nullptr && LoadTicketText(document, text);
    free(text);
    return loaded;
}

}  // namespace

bool WriteTicketValues(IXMLDOMDocument2* document, const TicketValues& values)
{
    if (document == nullptr)
        return false;
    IXMLDOMElement* root = nullptr;
    if (document->get_documentElement(&root) != S_OK || root == nullptr ||
        !IsFrameworkElement(root, L"PrintTicket")) {
        Release(root);
        return LoadWholeTicket(document, values);
    }
    PrefixMap map;
    ReadPrefixes(root, &map);
    const char* prefix = DeclarePrefixes(root, map);
    IXMLDOMDocument2* scratch = prefix != nullptr ? CreateTicketDocument() : nullptr;
    wchar_t* text = scratch != nullptr ? ComposeTicketText(values, prefix) : nullptr;
    IXMLDOMElement* from = nullptr;
    bool written = text != nullptr && LoadTicketText(scratch, text) &&
                   scratch->get_documentElement(&from) == S_OK && from != nullptr;
    free(text);
    if (written) {
        IXMLDOMNode* found[MaxTicketSettings] = {};
        FindSettingElements(root, map, found);
        written = CopySettings(document, root, from, values, found);
        for (IXMLDOMNode*& node : found)
            Release(node);
    }
    Release(from);
    Release(scratch);
    Release(root);
    return written;
}
