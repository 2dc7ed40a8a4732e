/* The text of tickets and capabilities documents, composed whole. */
#include <string.h>

#include "print_ticket/ticket_media.h"
#include "print_ticket/ticket_xml_win32.h"
#include "resources/module_instance.h"
#include "resources/resource_ids.h"
#include "settings/device_capabilities.h"
#include "settings/fallback_paper.h"
#include "text/code_page_text.h"

namespace {

const wchar_t RootAttributes[] =
    L" xmlns:psf=\"http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework\""
    L" xmlns:psk=\"http://schemas.microsoft.com/windows/2003/08/printing/printschemakeywords\""
    L" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    L" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" version=\"1\"";

enum { DisplayNameChars = 256 };

void AppendPrefixOf(XmlText& xml, TicketSpace space)
{
    xml.AppendAscii(space == TicketSpace::Keywords ? "psk" : xml.PrivatePrefix);
    xml.AppendAscii(":");
}

void OpenNamed(XmlText& xml, const char* element, TicketSpace space, const char* name)
{
    xml.AppendAscii("<psf:");
    xml.AppendAscii(element);
    xml.AppendAscii(" name=\"");
    AppendPrefixOf(xml, space);
    xml.AppendAscii(name);
    xml.AppendAscii("\">");
}

void Close(XmlText& xml, const char* element)
{
    xml.AppendAscii("</psf:");
    xml.AppendAscii(element);
    xml.AppendAscii(">");
}

void AppendIntegerValue(XmlText& xml, int64_t value)
{
    xml.AppendAscii("<psf:Value xsi:type=\"xsd:integer\">");
    xml.AppendNumber(value);
    xml.AppendAscii("</psf:Value>");
}

void AppendStringValue(XmlText& xml, const wchar_t* value)
{
    xml.AppendAscii("<psf:Value xsi:type=\"xsd:string\">");
    xml.AppendEscaped(value);
    xml.AppendAscii("</psf:Value>");
}

void AppendQNameValue(XmlText& xml, const char* value)
{
    xml.AppendAscii("<psf:Value xsi:type=\"xsd:QName\">");
    xml.AppendAscii(value);
    xml.AppendAscii("</psf:Value>");
}

/* <psf:Property name="..."> holding one value. */
void AppendIntegerProperty(XmlText& xml, const char* element, const char* name, int64_t value)
{
    xml.AppendAscii("<psf:");
    xml.AppendAscii(element);
    xml.AppendAscii(" name=\"");
    xml.AppendAscii(name);
    xml.AppendAscii("\">");
    AppendIntegerValue(xml, value);
    Close(xml, element);
}

void AppendQNameProperty(XmlText& xml, const char* name, const char* value)
{
    xml.AppendAscii("<psf:Property name=\"");
    xml.AppendAscii(name);
    xml.AppendAscii("\">");
    AppendQNameValue(xml, value);
    xml.AppendAscii("</psf:Property>");
}

void AppendStringProperty(XmlText& xml, const char* name, const wchar_t* value)
{
    xml.AppendAscii("<psf:Property name=\"");
    xml.AppendAscii(name);
    xml.AppendAscii("\">");
    AppendStringValue(xml, value);
    xml.AppendAscii("</psf:Property>");
}

/* The string table's text in the interface language; empty when missing. */
void AppendDisplayName(XmlText& xml, int stringId)
{
    wchar_t text[DisplayNameChars] = L"";
    LoadStringW(ModuleInstance(), static_cast<UINT>(stringId), text, DisplayNameChars);
    AppendStringProperty(xml, "psk:DisplayName", text);
}

void AppendMediaSize(XmlText& xml, int64_t width, int64_t length)
{
    AppendIntegerProperty(xml, "ScoredProperty", "psk:MediaSizeWidth", width);
    AppendIntegerProperty(xml, "ScoredProperty", "psk:MediaSizeHeight", length);
}

void OpenMediaOption(XmlText& xml, int32_t paperSize)
{
    char name[24];
    FormatMediaOptionName(paperSize, name, sizeof name);
    OpenNamed(xml, "Option", TicketSpace::Private, name);
}

/* A ticket's choice: the option the value shows as. */
void AppendTicketChoice(XmlText& xml, const TicketSetting& setting, int64_t value)
{
    OpenNamed(xml, "Feature", setting.Space, setting.Name);
    const TicketChoice& choice = setting.Choices[ChoiceShowingValue(setting, value)];
    OpenNamed(xml, "Option", setting.Space, choice.Name);
    Close(xml, "Option");
    Close(xml, "Feature");
}

void OpenRoot(XmlText& xml, const char* root)
{
    xml.AppendAscii("<psf:");
    xml.AppendAscii(root);
    xml.Append(RootAttributes);
    xml.AppendAscii(" xmlns:");
    xml.AppendAscii(xml.PrivatePrefix);
    xml.AppendAscii("=\"");
    xml.Append(PrivateTicketNamespace);
    xml.Append(L"\">");
}

void AppendCapabilityMedia(XmlText& xml, const DriverDevMode& merged, CatalogueLabels* labels)
{
    TicketMedia media[MaxTicketMedia];
    DriverDevMode ownPaper;
    const int count = ListTicketMedia(merged, labels, media, &ownPaper);
    for (int i = 0; i < count; ++i) {
        OpenMediaOption(xml, media[i].PaperSize);
        char16_t name[LabelNameSize] = {};
        if (media[i].Label != nullptr)
            WidenCodePageText(name, LabelNameSize, media[i].Label->name);
        else
            memcpy(name, media[i].OwnFormName, FormNameChars * sizeof(char16_t));
        name[LabelNameSize - 1] = u'\0';
        AppendStringProperty(xml, "psk:DisplayName", reinterpret_cast<const wchar_t*>(name));
        AppendMediaSize(xml, media[i].WidthMicrons, media[i].LengthMicrons);
        Close(xml, "Option");
    }
}

void AppendCapabilityChoices(XmlText& xml, const TicketSetting& setting, bool available)
{
    for (int c = 0; c < setting.ChoiceCount; ++c) {
        const TicketChoice& choice = setting.Choices[c];
        OpenNamed(xml, "Option", setting.Space, choice.Name);
        AppendDisplayName(xml, choice.StringId);
        /* What the locked page cannot switch on: every option that is not
           off, of an option not installed. */
        if (!available && choice.Value != 0)
            AppendQNameProperty(xml, "psk:Constrained", "psk:DeviceSettings");
        Close(xml, "Option");
    }
}

void AppendParameterDef(XmlText& xml, const TicketSetting& setting)
{
    OpenNamed(xml, "ParameterDef", setting.Space, setting.Name);
    AppendDisplayName(xml, setting.StringId);
    if (setting.Kind == TicketKind::Text) {
        AppendQNameProperty(xml, "psf:DataType", "xsd:string");
        AppendStringProperty(xml, "psf:DefaultValue", L"");
        AppendIntegerProperty(xml, "Property", "psf:MinLength", 0);
        AppendIntegerProperty(xml, "Property", "psf:MaxLength", static_cast<int64_t>(LabelNameSize) - 1);
    } else {
        const TicketRange range = TicketSettingRange(setting);
        AppendQNameProperty(xml, "psf:DataType", "xsd:integer");
        AppendIntegerProperty(xml, "Property", "psf:DefaultValue", range.Default);
        AppendIntegerProperty(xml, "Property", "psf:MinValue", range.Minimum);
        AppendIntegerProperty(xml, "Property", "psf:MaxValue", range.Maximum);
        AppendIntegerProperty(xml, "Property", "psf:Multiple", 1);
        wchar_t unit[32] = L"";
        MultiByteToWideChar(CP_ACP, 0, setting.Unit, -1, unit, 32);
        AppendStringProperty(xml, "psf:UnitType", unit);
    }
    AppendQNameProperty(xml, "psf:Mandatory", "psk:Optional");
    Close(xml, "ParameterDef");
}

void AppendCapabilitySetting(XmlText& xml, const TicketSetting& setting, const DriverDevMode& merged,
                             const PrinterOptions& options, CatalogueLabels* labels)
{
    if (setting.Kind == TicketKind::Number || setting.Kind == TicketKind::Text) {
        AppendParameterDef(xml, setting);
        return;
    }
    OpenNamed(xml, "Feature", setting.Space, setting.Name);
    AppendQNameProperty(xml, "psf:SelectionType", "psk:PickOne");
    AppendDisplayName(xml, setting.StringId);
    if (setting.Kind == TicketKind::Paper)
        AppendCapabilityMedia(xml, merged, labels);
    else
        AppendCapabilityChoices(xml, setting, TicketSettingAvailable(setting, options));
    Close(xml, "Feature");
}

/* What the device has whatever the settings: its resolution, and the part
 * of the paper it prints on (the whole label). */
void AppendDeviceProperties(XmlText& xml, const DriverDevMode& merged)
{
    OpenNamed(xml, "Feature", TicketSpace::Keywords, "PageResolution");
    AppendQNameProperty(xml, "psf:SelectionType", "psk:PickOne");
    AppendDisplayName(xml, IDS_TICKET_RESOLUTION);
    OpenNamed(xml, "Option", TicketSpace::Private, "Resolution300");
    AppendDisplayName(xml, IDS_TICKET_300_DPI);
    AppendIntegerProperty(xml, "ScoredProperty", "psk:ResolutionX", ResolutionDpi);
    AppendIntegerProperty(xml, "ScoredProperty", "psk:ResolutionY", ResolutionDpi);
    Close(xml, "Option");
    Close(xml, "Feature");

    DriverDevMode paper = merged;
    GiveRecordAUsablePaper(&paper);
    const int64_t width = paper.Public.dmPaperWidth * MicronsPerTenthMm;
    const int64_t length = paper.Public.dmPaperLength * MicronsPerTenthMm;
    xml.AppendAscii("<psf:Property name=\"psk:PageImageableSize\">");
    AppendIntegerProperty(xml, "Property", "psk:ImageableSizeWidth", width);
    AppendIntegerProperty(xml, "Property", "psk:ImageableSizeHeight", length);
    xml.AppendAscii("<psf:Property name=\"psk:ImageableArea\">");
    AppendIntegerProperty(xml, "Property", "psk:OriginWidth", 0);
    AppendIntegerProperty(xml, "Property", "psk:OriginHeight", 0);
    AppendIntegerProperty(xml, "Property", "psk:ExtentWidth", width);
    AppendIntegerProperty(xml, "Property", "psk:ExtentHeight", length);
    xml.AppendAscii("</psf:Property></psf:Property>");
}

}  // namespace

void AppendTicketSetting(XmlText& xml, const TicketValues& values, int index)
{
    const TicketSetting& setting = TicketSettings[index];
    const int64_t value = values.Values[index].Number;
    switch (setting.Kind) {
    case TicketKind::Paper:
        OpenNamed(xml, "Feature", setting.Space, setting.Name);
        OpenMediaOption(xml, values.Paper.PaperSize);
        AppendMediaSize(xml, values.Paper.WidthMicrons, values.Paper.LengthMicrons);
        Close(xml, "Option");
        Close(xml, "Feature");
        break;
    case TicketKind::Choice:
        AppendTicketChoice(xml, setting, value);
        break;
    case TicketKind::Text: {
        char16_t wide[LabelNameSize] = {};
        WidenCodePageText(wide, LabelNameSize, values.Text);
        OpenNamed(xml, "ParameterInit", setting.Space, setting.Name);
        AppendStringValue(xml, reinterpret_cast<const wchar_t*>(wide));
        Close(xml, "ParameterInit");
        break;
    }
    default:
        OpenNamed(xml, "ParameterInit", setting.Space, setting.Name);
        AppendIntegerValue(xml, value);
        Close(xml, "ParameterInit");
    }
}

wchar_t* ComposeTicketText(const TicketValues& values, const char* privatePrefix)
{
    XmlText xml;
    xml.PrivatePrefix = privatePrefix;
    OpenRoot(xml, "PrintTicket");
    for (int i = 0; i < TicketSettingCount; ++i) {
        if (values.Values[i].Present)
            AppendTicketSetting(xml, values, i);
    }
    Close(xml, "PrintTicket");
    return xml.Take();
}

wchar_t* ComposeCapabilitiesText(const DriverDevMode& merged, const PrinterOptions& options,
                                 CatalogueLabels* labels)
{
    XmlText xml;
    OpenRoot(xml, "PrintCapabilities");
    for (int i = 0; i < TicketSettingCount; ++i)
        AppendCapabilitySetting(xml, TicketSettings[i], merged, options, labels);
    AppendDeviceProperties(xml, merged);
    Close(xml, "PrintCapabilities");
    return xml.Take();
}
