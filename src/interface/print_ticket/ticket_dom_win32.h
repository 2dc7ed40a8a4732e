/*
 * What reading a ticket and writing into one share: the prefixes a
 * ticket's root declares, and the framework elements and their names.
 */
#ifndef PDR_PRINT_TICKET_TICKET_DOM_WIN32_H
#define PDR_PRINT_TICKET_TICKET_DOM_WIN32_H

#include "print_ticket/ticket_xml_win32.h"

extern const wchar_t FrameworkNamespace[];
extern const wchar_t KeywordNamespace[];
extern const wchar_t InstanceNamespace[];
extern const wchar_t SchemaNamespace[];

enum { TicketNameBytes = 128, TicketPrefixChars = 64, MaxTicketPrefixes = 32 };

/* What a root binds a prefix to: the settings' two namespaces (by
 * TicketSpace's values), the three the ticket's markup uses, or another. */
enum TicketNamespace {
    NamespaceKeywords = static_cast<int>(TicketSpace::Keywords),
    NamespacePrivate = static_cast<int>(TicketSpace::Private),
    NamespaceFramework,
    NamespaceInstance,
    NamespaceSchema,
    NamespaceOther
};

/* The prefixes a root declares (the first MaxTicketPrefixes). */
struct PrefixMap {
    wchar_t Prefix[MaxTicketPrefixes][TicketPrefixChars];
    int Namespace[MaxTicketPrefixes]; /* TicketNamespace */
    int Count;
    bool Complete; /* false: the root declares more than the map holds */
};

template <typename T>
void Release(T*& object)
{
    if (object != nullptr)
        object->Release();
    object = nullptr;
}

void ReadPrefixes(IXMLDOMElement* root, PrefixMap* map);

/* The TicketNamespace `prefix` is bound to, or -1 when the root does not
 * declare it. */
int PrefixNamespace(const PrefixMap& map, const wchar_t* prefix);

/* Whether `node` is the framework's element `name`. */
bool IsFrameworkElement(IXMLDOMNode* node, const wchar_t* name);

/* The framework elements a ticket's settings are written as. */
enum class SettingElement { None, Feature, Parameter };

/* Which of them `node` is (psf:Feature, psf:ParameterInit), looking at
 * each of its names once. */
SettingElement SettingElementOf(IXMLDOMNode* node);

/* The element's "name" attribute resolved to one of the settings'
 * namespaces and an ASCII local name (TicketNameBytes), or false. */
bool ElementName(IXMLDOMNode* node, const PrefixMap& map, TicketSpace* space, char* local);

#endif
