/*
 * The provider's settings written into a caller's ticket.  What the system
 * hands over may already hold what others put there (the public fields it
 * converted itself, its record snapshot, other namespaces): each setting
 * replaces the element of its kind and name, and the rest stays as it is.
 *
 * The document's text is composed anew and loaded back into the caller's
 * own document object, which keeps its properties; only its nodes are new.
 * Every node of the caller's goes in as the DOM serialises it, except the
 * root's elements the settings replace: those are composed as a whole
 * ticket's are, each in the place of the one it replaces, and the settings
 * the root lacked follow its last child.  One parse of the whole ticket
 * costs less than parsing the settings into a second document and copying
 * each element over: Wine's msxml has no importNode, and its clone of
 * another document's element carries every namespace declaration along,
 * which doubled the ticket's text.  Nothing is changed before the parse,
 * and should it fail (a node built through the DOM whose text XML cannot
 * carry), the caller's nodes are put back as they were.
 */
#include <stdlib.h>
#include <wchar.h>

#include "print_ticket/ticket_dom_win32.h"

namespace {

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
enum { PrivatePrefixChars = 8 };

/* The driver's prefix for the root (`own` gets it widened), or null when
 * the root binds one of the markup's to another namespace, or declares more
 * prefixes than were read (one of them might be ours). */
const char* ChoosePrivatePrefix(const PrefixMap& map, wchar_t* own)
{
    if (!map.Complete)
        return nullptr;
    for (const auto& markup : MarkupPrefixes) {
        const int bound = PrefixNamespace(map, markup.Prefix);
        if (bound >= 0 && bound != markup.Namespace)
            return nullptr;
    }
    for (const char* prefix : PrivatePrefixes) {
        mbstowcs(own, prefix, PrivatePrefixChars);
        const int bound = PrefixNamespace(map, own);
        if (bound < 0 || bound == NamespacePrivate)
            return prefix;
    }
    return nullptr;
}

void AppendDeclaration(XmlText& xml, const wchar_t* prefix, const wchar_t* uri)
{
    xml.Append(L" xmlns:");
    xml.Append(prefix);
    xml.Append(L"=\"");
    xml.AppendEscaped(uri);
    xml.Append(L"\"");
}

/* Every prefix the settings' text uses that the root leaves free. */
void AppendDeclarations(XmlText& xml, const PrefixMap& map, const wchar_t* own)
{
    for (const auto& markup : MarkupPrefixes) {
        if (PrefixNamespace(map, markup.Prefix) < 0)
            AppendDeclaration(xml, markup.Prefix, markup.Uri);
    }
    if (PrefixNamespace(map, own) < 0)
        AppendDeclaration(xml, own, PrivateTicketNamespace);
}

/* How much of `text`, a childless element's serialisation ("<name .../>"
 * or "<name ...></name>"), comes before what closes its start tag; 0 when
 * it is neither. */
size_t OpenStartTagLength(const wchar_t* text, size_t length, const wchar_t* tag, size_t tagLength)
{
    if (length > 2 && wmemcmp(text + length - 2, L"/>", 2) == 0)
        return length - 2;
    const size_t endTag = tagLength + 3;
    if (length > endTag + 1 && text[length - endTag - 1] == L'>' &&
        wmemcmp(text + length - endTag, L"</", 2) == 0 &&
        wmemcmp(text + length - endTag + 2, tag, tagLength) == 0 && text[length - 1] == L'>')
        return length - endTag - 1;
    return 0;
}

/* The node as the DOM serialises it. */
bool AppendNodeText(XmlText& xml, IXMLDOMNode* node)
{
    BSTR text = nullptr;
    const bool read = node->get_xml(&text) == S_OK && text != nullptr;
    if (read)
        xml.AppendUnits(text, SysStringLen(text));
    SysFreeString(text);
    return read;
}

/* The root's start tag with its attributes, from a copy of it without
 * children (serialised "<name .../>" or "<name ...></name>"), and with the
 * declarations the settings need. */
bool AppendStartTag(XmlText& xml, IXMLDOMElement* root, const BSTR tag, const PrefixMap& map,
                    const wchar_t* own)
{
    IXMLDOMNode* shell = nullptr;
    BSTR text = nullptr;
    const bool serialised = root->cloneNode(VARIANT_FALSE, &shell) == S_OK && shell != nullptr &&
                            shell->get_xml(&text) == S_OK && text != nullptr;
    const size_t length =
        serialised ? OpenStartTagLength(text, SysStringLen(text), tag, SysStringLen(tag)) : 0;
    const bool read = length > 0;
    if (read) {
        xml.AppendUnits(text, length);
        AppendDeclarations(xml, map, own);
        xml.Append(L">");
    }
    SysFreeString(text);
    Release(shell);
    return read;
}

bool WrittenAsFeature(const TicketSetting& setting)
{
    return setting.Kind == TicketKind::Paper || setting.Kind == TicketKind::Choice;
}

/* The table's index of the setting `child` is the element of, or -1. */
int SettingOfElement(IXMLDOMNode* child, const PrefixMap& map)
{
    const SettingElement element = SettingElementOf(child);
    TicketSpace space;
    char local[TicketNameBytes];
    const int index = element != SettingElement::None && ElementName(child, map, &space, local)
                          ? FindTicketSetting(space, local)
                          : -1;
    const bool feature = element == SettingElement::Feature;
    return index >= 0 && WrittenAsFeature(TicketSettings[index]) == feature ? index : -1;
}

/* The root's children, the first element of each setting present composed
 * anew in its place and a later one of the same name left out, so that
 * each setting is there once; then the settings the root lacked. */
bool AppendRootContent(XmlText& xml, IXMLDOMElement* root, const PrefixMap& map, const TicketValues& values)
{
    bool seen[MaxTicketSettings] = {};
    bool read = true;
    IXMLDOMNode* child = nullptr;
    root->get_firstChild(&child);
    while (child != nullptr && read) {
        const int index = SettingOfElement(child, map);
        if (index < 0)
            read = AppendNodeText(xml, child);
        else if (!seen[index] && values.Values[index].Present)
            AppendTicketSetting(xml, values, index);
        else if (!seen[index])
            read = AppendNodeText(xml, child);
        if (index >= 0)
            seen[index] = true;
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    Release(child);
    for (int i = 0; i < TicketSettingCount && read; ++i) {
        if (values.Values[i].Present && !seen[i])
            AppendTicketSetting(xml, values, i);
    }
    return read;
}

bool AppendRoot(XmlText& xml, IXMLDOMElement* root, const PrefixMap& map, const TicketValues& values,
                const wchar_t* own)
{
    BSTR tag = nullptr;
    const bool composed = root->get_tagName(&tag) == S_OK && tag != nullptr &&
                          AppendStartTag(xml, root, tag, map, own) &&
                          AppendRootContent(xml, root, map, values);
    if (composed) {
        xml.Append(L"</");
        xml.AppendUnits(tag, SysStringLen(tag));
        xml.Append(L">");
    }
    SysFreeString(tag);
    return composed;
}

/* The document's text: what stands before and after the root (its
 * declaration, comments, instructions) as it is, the root composed. */
bool ComposeDocument(XmlText& xml, IXMLDOMDocument2* document, IXMLDOMElement* root, const PrefixMap& map,
                     const TicketValues& values, const wchar_t* own)
{
    bool composed = true;
    IXMLDOMNode* child = nullptr;
    document->get_firstChild(&child);
    while (child != nullptr && composed) {
        DOMNodeType type;
        composed = SUCCEEDED(child->get_nodeType(&type));
        if (composed)
            composed =
                type == NODE_ELEMENT ? AppendRoot(xml, root, map, values, own) : AppendNodeText(xml, child);
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        Release(child);
        child = next;
    }
    Release(child);
    return composed && !xml.Failed;
}

/* After a load that failed and left the document empty, its former nodes
 * go back in their order: `first` and its siblings, which still hang
 * together outside the document. */
void PutBack(IXMLDOMDocument2* document, IXMLDOMNode* first)
{
    IXMLDOMElement* root = nullptr;
    if (document->get_documentElement(&root) == S_OK && root != nullptr) {
        Release(root);
        return;
    }
    IXMLDOMNode* node = first;
    if (node != nullptr)
        node->AddRef();
    bool moved = true;
    while (node != nullptr && moved) {
        IXMLDOMNode* next = nullptr;
        IXMLDOMNode* placed = nullptr;
        node->get_nextSibling(&next);
        moved = document->appendChild(node, &placed) == S_OK;
        Release(placed);
        Release(node);
        node = next;
    }
    Release(node);
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
    wchar_t own[PrivatePrefixChars] = L"";
    XmlText xml;
    xml.PrivatePrefix = ChoosePrivatePrefix(map, own);
    const bool written =
        xml.PrivatePrefix != nullptr && ComposeDocument(xml, document, root, map, values, own);
    Release(root);
    if (!written)
        return false;
    IXMLDOMNode* first = nullptr;
    document->get_firstChild(&first);
    const bool loaded = LoadTicketText(document, xml.Data);
    if (!loaded)
        PutBack(document, first);
    Release(first);
    return loaded;
}
