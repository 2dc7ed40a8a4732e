/*
 * The print ticket provider, called as Windows' print ticket manager calls
 * it, on the demo printer with the demo catalogue and a label whose name
 * holds every kind of byte: the capabilities list every label, records come
 * back field for field from a ticket without a snapshot, a ticket edited as
 * a program edits it gives exactly that record, the validation's two
 * answers, and bad input.
 */
#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "label_fixtures.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_test_support.h"
#include "text/code_page_text.h"
#include "text/platform_hooks.h"
#include "ticket_records.h"
#include "ticket_session.h"

namespace {

const wchar_t MediaOption[] = L"//psf:Feature[@name='psk:PageMediaSize']/psf:Option";
/* Tab, a control XML cannot carry, markup, quotes, bytes past ASCII, and
 * white space at both ends. */
const char HostileName[] = " \x01Tab\there & <co> \"q\" 'a' \xE9\xFF\x81 ";

/* What the system hands over before the driver converts a record: another
 * namespace under the driver's usual prefix, a keyword the driver does not
 * write, the record snapshot, and two of the driver's own settings, stale,
 * under prefixes of the caller's choosing. */
const wchar_t CallersTicket[] =
    L"<psf:PrintTicket "
    L"xmlns:psf='http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework' "
    L"xmlns:k='http://schemas.microsoft.com/windows/2003/08/printing/printschemakeywords' "
    L"xmlns:own='urn:schemas-pellucidor-systems:pdr7300:print-schema:v1' xmlns:pdr='urn:other' "
    L"xmlns:ns0000='urn:system' version='1'>"
    L"<psf:Feature name='pdr:Stapling'><psf:Option name='pdr:Corner'/></psf:Feature>"
    L"<psf:Feature name='k:JobDuplexAllDocumentsContiguously'><psf:Option name='k:OneSided'/></psf:Feature>"
    L"<psf:Feature name='k:PageMediaSize'><psf:Option name='k:ISOA4'/></psf:Feature>"
    L"<psf:ParameterInit name='ns0000:PageDevmodeSnapshot'><psf:Value>AAAA</psf:Value></psf:ParameterInit>"
    L"<psf:ParameterInit name='own:PrintSpeed'><psf:Value>1</psf:Value></psf:ParameterInit>"
    L"</psf:PrintTicket>";

long CountNodes(IXMLDOMDocument2* document, const std::wstring& xpath)
{
    BSTR query = SysAllocString(xpath.c_str());
    IXMLDOMNodeList* nodes = nullptr;
    long length = -1;
    if (document->selectNodes(query, &nodes) == S_OK)
        nodes->get_length(&length);
    if (nodes != nullptr)
        nodes->Release();
    SysFreeString(query);
    return length;
}

std::wstring Param(const char* name)
{
    return L"//psf:ParameterInit[@name='pdr:" + std::wstring(name, name + strlen(name)) + L"']/psf:Value";
}

class PrintTicketProvider : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        EnsurePlatformHooks();
        std::string text;
        ASSERT_TRUE(ReadFileBytes(L"Z:" PDR_DEMO_CATALOGUE, &text));
        ASSERT_TRUE(WriteFileBytes(catalogue.Path(), text));
        count = LoadLabelCatalogue(labels, MaxLabels, nullptr);
        ASSERT_GT(count, 3);
        labels[count++] = MakeLabel(HostileName, "30", "20", Millimetres, 300);
        ASSERT_TRUE(SaveLabelCatalogue(labels, count, nullptr));
        ASSERT_TRUE(session.Open(printer.Handle()));
    }
    void TearDown() override
    {
        session.Close();
        if (session.Library != nullptr)
            FreeLibrary(session.Library);
        CoUninitialize();
    }

    DriverDevMode Defaults()
    {
        DriverDevMode record;
        BuildDefaultDevMode(&record, u"PDR-7300 Zr");
        GiveRecordAUsablePaper(&record);
        return record;
    }
    /* `record` on paper `id`, merged over the defaults as the driver does. */
    DriverDevMode OnPaper(DriverDevMode record, int id)
    {
        record.Public.dmPaperSize = static_cast<int16_t>(id);
        DriverDevMode merged = Defaults();
        EXPECT_TRUE(MergeDevMode(&merged, &record));
        return merged;
    }

    /* Record to ticket (which carries no snapshot), back over `base`. */
    DriverDevMode RoundTrip(const DriverDevMode& record, const DriverDevMode& base)
    {
        DriverDevMode back = {};
        IXMLDOMDocument2* ticket = session.TicketOf(record);
        EXPECT_NE(nullptr, ticket);
        if (ticket == nullptr)
            return back;
        EXPECT_EQ(nullptr, SelectNode(ticket, L"//*[contains(@name, 'DevmodeSnapshot')]"));
        EXPECT_TRUE(session.RecordOf(ticket, base, &back));
        ticket->Release();
        return back;
    }

    DemoPrinter printer;
    DefaultCatalogueGuard catalogue;
    LabelEntry labels[MaxLabels];
    int count = 0;
    TicketSession session;
};

TEST_F(PrintTicketProvider, VersionOneAndTheDriversNamespace)
{
    INT* versions = nullptr;
    INT versionCount = 0;
    ASSERT_EQ(S_OK, session.Provider->GetSupportedVersions(printer.Handle(), &versions, &versionCount));
    ASSERT_EQ(1, versionCount);
    EXPECT_EQ(1, versions[0]);
    CoTaskMemFree(versions);

    TicketShimOptions shim = ShimNoSnapshot;
    DWORD fields = 0;
    INT namespaceCount = 0;
    BSTR* names = nullptr;
    for (const INT version : {0, 2})
        EXPECT_EQ(VersionNotSupported, session.Provider->BindPrinter(printer.Handle(), version, &shim,
                                                                     &fields, &namespaceCount, &names));
    ASSERT_EQ(S_OK,
              session.Provider->BindPrinter(printer.Handle(), 1, &shim, &fields, &namespaceCount, &names));
    EXPECT_EQ(ShimDefault, shim);
    const DWORD own =
        DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH | DM_FORMNAME | DM_COPIES | DM_ORIENTATION;
    EXPECT_EQ(own, fields & own);
    BSTR device = nullptr;
    ASSERT_EQ(S_OK, session.Provider->QueryDeviceNamespace(&device));
    ASSERT_EQ(1, namespaceCount);
    EXPECT_STREQ(device, names[0]);
    EXPECT_NE(nullptr, wcsstr(device, L"v1"));
    SysFreeString(device);
    SysFreeString(names[0]);
    CoTaskMemFree(names);
}

TEST_F(PrintTicketProvider, CapabilitiesListEveryLabelAndEverySetting)
{
    IXMLDOMDocument2* capabilities = nullptr;
    ASSERT_EQ(S_OK, session.Provider->GetPrintCapabilities(nullptr, &capabilities));
    MakeQueryable(capabilities);
    for (int i = 0; i < count; ++i) {
        const std::wstring option =
            std::wstring(MediaOption) + L"[@name='pdr:Label" + std::to_wstring(labels[i].id) + L"']/psf:";
        // The name as the paper list shows it, less what XML cannot carry.
        char16_t name[LabelNameSize] = {};
        WidenCodePageText(name, LabelNameSize, labels[i].name);
        std::wstring shown(reinterpret_cast<const wchar_t*>(name));
        shown.erase(std::remove(shown.begin(), shown.end(), L'\x01'), shown.end());
        EXPECT_EQ(shown, SelectedText(capabilities,
                                      (option + L"Property[@name='psk:DisplayName']/*/text()").c_str()));
        const long microns[] = {LabelSizeInTenthsMm(labels[i].width, labels[i].units) * 100L,
                                LabelSizeInTenthsMm(labels[i].length, labels[i].units) * 100L};
        EXPECT_EQ(
            std::to_wstring(microns[0]),
            SelectedText(capabilities, (option + L"ScoredProperty[@name='psk:MediaSizeWidth']").c_str()));
        EXPECT_EQ(
            std::to_wstring(microns[1]),
            SelectedText(capabilities, (option + L"ScoredProperty[@name='psk:MediaSizeHeight']").c_str()));
    }
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        const bool parameter = setting.Kind == TicketKind::Number || setting.Kind == TicketKind::Text;
        const std::wstring path = std::wstring(parameter ? L"/*/psf:ParameterDef" : L"/*/psf:Feature") +
                                  L"[@name='" + (setting.Space == TicketSpace::Keywords ? L"psk:" : L"pdr:") +
                                  std::wstring(setting.Name, setting.Name + strlen(setting.Name)) + L"']";
        EXPECT_NE(L"", SelectedText(capabilities, (path + L"/psf:Property[@name='psk:DisplayName']").c_str()))
            << setting.Name;
        if (setting.Kind != TicketKind::Number)
            continue;
        const TicketRange range = TicketSettingRange(setting);
        const std::pair<const wchar_t*, int64_t> limits[] = {
            {L"MinValue", range.Minimum}, {L"MaxValue", range.Maximum}, {L"DefaultValue", range.Default}};
        for (const auto& limit : limits)
            EXPECT_EQ(std::to_wstring(limit.second),
                      SelectedText(capabilities,
                                   (path + L"/psf:Property[@name='psf:" + limit.first + L"']").c_str()))
                << setting.Name << " " << limit.first;
    }
    // The demo printer has neither option installed: the pages lock both.
    for (const wchar_t* option : {L"Cutter", L"Pullback"})
        EXPECT_EQ(L"psk:DeviceSettings",
                  SelectedText(capabilities,
                               (L"/*/psf:Feature[@name='pdr:" + std::wstring(option) +
                                L"']/psf:Option[@name='pdr:On']/psf:Property[@name='psk:Constrained']")
                                   .c_str()));
    capabilities->Release();
}

TEST_F(PrintTicketProvider, RecordsComeBackFieldForFieldWithoutTheSnapshot)
{
    DriverDevMode away = Defaults();
    MoveSettingsAwayFromDefaults(&away);
    std::vector<DriverDevMode> records;
    for (int i = 0; i < count; ++i)
        records.push_back(OnPaper(Defaults(), labels[i].id));
    records.push_back(OnPaper(away, labels[2].id));
    // A size of its own keeps a name with every byte XML can carry.
    away.Public.dmPaperWidth = 555;
    away.Public.dmPaperLength = 777;
    snprintf(away.Extra.LabelName, sizeof away.Extra.LabelName, "%s", " Tab\there\r\nCR & <x> \xE9 ");
    records.push_back(OnPaper(away, PaperSizeUser));

    for (const DriverDevMode& record : records) {
        // Over the defaults (the paper changes) and over the record itself.
        for (const DriverDevMode& base : {Defaults(), record}) {
            const DriverDevMode back = RoundTrip(record, base);
            EXPECT_EQ(0, memcmp(&record, &back, sizeof record)) << "paper " << record.Public.dmPaperSize;
            EXPECT_STREQ(record.Extra.LabelName, back.Extra.LabelName)
                << "paper " << record.Public.dmPaperSize;
        }
    }
    // The table of the record with every setting away from its default, for the note.
    const DriverDevMode back = RoundTrip(records[count], Defaults());
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind == TicketKind::Text)
            printf("%-24s %-16s %s\n", setting.Name, records[count].Extra.LabelName, back.Extra.LabelName);
        else
            printf("%-24s %-16lld %lld\n", setting.Name,
                   static_cast<long long>(ReadTicketField(records[count], setting)),
                   static_cast<long long>(ReadTicketField(back, setting)));
    }
}

TEST_F(PrintTicketProvider, ATicketEditedAsAProgramDoesGivesThatRecord)
{
    const DriverDevMode record = OnPaper(Defaults(), labels[0].id);
    IXMLDOMDocument2* ticket = session.TicketOf(record);
    ASSERT_NE(nullptr, ticket);
    const std::wstring other = L"pdr:Label" + std::to_wstring(labels[2].id);
    ASSERT_TRUE(SetSelected(ticket, MediaOption, L"name", other.c_str()));
    ASSERT_TRUE(SetSelected(ticket, Param("PrintSpeed").c_str(), nullptr, L"4"));
    ASSERT_TRUE(SetSelected(ticket, Param("HeadIntensity2").c_str(), nullptr, L"9"));
    DriverDevMode back;
    ASSERT_TRUE(session.RecordOf(ticket, record, &back));
    ticket->Release();

    DriverDevMode expected = record;
    expected.Extra.PrintSpeed = 4;
    expected.Extra.HeadIntensity[1] = 9;
    expected = OnPaper(expected, labels[2].id);
    EXPECT_EQ(0, memcmp(&expected, &back, sizeof back));
    EXPECT_STREQ(labels[2].name, back.Extra.LabelName);
}

TEST_F(PrintTicketProvider, ValidationAnswersNoConflictOrResolvesIt)
{
    IXMLDOMDocument2* ticket = session.TicketOf(OnPaper(Defaults(), labels[count - 1].id));
    ASSERT_NE(nullptr, ticket);
    EXPECT_EQ(NoConflict, session.Provider->ValidatePrintTicket(ticket));
    const struct {
        std::wstring Path;
        const wchar_t* Attribute;
        const wchar_t* Value;
        const wchar_t* Resolved; /* null: the option is gone */
    } edits[] = {
        {Param("PrintSpeed"), nullptr, L"9", L"3"},
        {Param("HeadIntensity4"), nullptr, L"70000", L"10"},
        {L"//psf:ParameterInit[@name='psk:JobCopiesAllDocuments']/psf:Value", nullptr, L"0", L"1"},
        {L"//psf:Feature[@name='pdr:Cutter']/psf:Option", L"name", L"pdr:On", nullptr},
        {L"//psf:Feature[@name='pdr:Pullback']/psf:Option", L"name", L"pdr:On", nullptr},
    };
    for (const auto& edit : edits) {
        MakeQueryable(ticket);
        ASSERT_TRUE(SetSelected(ticket, edit.Path.c_str(), edit.Attribute, edit.Value));
        EXPECT_EQ(ConflictResolved, session.Provider->ValidatePrintTicket(ticket)) << edit.Value;
        MakeQueryable(ticket);
        const std::wstring found = edit.Resolved != nullptr ? edit.Path : edit.Path + L"[@name='pdr:On']";
        EXPECT_EQ(edit.Resolved != nullptr ? edit.Resolved : L"<none>", SelectedText(ticket, found.c_str()));
    }
    EXPECT_EQ(NoConflict, session.Provider->ValidatePrintTicket(ticket));
    ticket->Release();
}

TEST_F(PrintTicketProvider, ACallersTicketKeepsWhatOthersPutThere)
{
    // A record the validation keeps as it is.
    const DriverDevMode record = OnPaper(Defaults(), labels[1].id);
    const struct {
        const wchar_t* Text;
        std::vector<const wchar_t*> Kept;    /* the elements of others, by name */
        std::vector<const wchar_t*> InOrder; /* what the document's text shows, in this order */
    } tickets[] = {
        {CallersTicket,
         {L"pdr:Stapling", L"k:JobDuplexAllDocumentsContiguously", L"ns0000:PageDevmodeSnapshot"},
         {L"pdr:Stapling", L"PageMediaSize", L"PageDevmodeSnapshot", L"PrintSpeed"}},
        // A declaration and comments around a root without content.
        {L"<?xml version='1.0' encoding='UTF-8'?><!--before--><psf:PrintTicket "
         L"xmlns:psf='http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework' "
         L"version='1'/><!--after-->",
         {},
         {L"<?xml", L"<!--before-->", L"PrintTicket", L"<!--after-->"}},
        // Declarations the only attributes of the root (Wine's msxml lists them one index late).
        {L"<psf:PrintTicket "
         L"xmlns:psf='http://schemas.microsoft.com/windows/2003/08/printing/printschemaframework' "
         L"xmlns:own='urn:schemas-pellucidor-systems:pdr7300:print-schema:v1'>"
         L"<psf:ParameterInit name='own:PrintSpeed'><psf:Value>1</psf:Value></psf:ParameterInit>"
         L"</psf:PrintTicket>",
         {},
         {}},
    };
    for (const auto& caller : tickets) {
        IXMLDOMDocument2* ticket = NewQueryableDocument();
        ASSERT_NE(nullptr, ticket);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        BSTR text = SysAllocString(caller.Text);
        ASSERT_EQ(S_OK, ticket->loadXML(text, &loaded));
        SysFreeString(text);
        DriverDevMode copy = record;
        const std::function<HRESULT()> steps[] = {
            [&] {
                return session.Provider->ConvertDevModeToPrintTicket(
                    sizeof copy, reinterpret_cast<DEVMODEW*>(&copy), ticket);
            },
            [&] { return session.Provider->ValidatePrintTicket(ticket); }};
        for (const auto& step : steps) {
            ASSERT_TRUE(SUCCEEDED(step()));
            MakeQueryable(ticket);
            for (const wchar_t* kept : caller.Kept)
                EXPECT_EQ(1, CountNodes(ticket, L"/*/*[@name='" + std::wstring(kept) + L"']")) << kept;
            // The driver's own, each once whatever its prefix; the stale two replaced in their place.
            for (int i = 0; i < TicketSettingCount; ++i) {
                const char* name = TicketSettings[i].Name;
                EXPECT_EQ(1, CountNodes(ticket, L"/*/*[substring-after(@name, ':')='" +
                                                    std::wstring(name, name + strlen(name)) + L"']"))
                    << name;
            }
            BSTR xml = nullptr;
            ASSERT_EQ(S_OK, ticket->get_xml(&xml));
            const std::wstring shown(xml);
            SysFreeString(xml);
            size_t at = 0;
            for (const wchar_t* part : caller.InOrder) {
                at = shown.find(part, at);
                EXPECT_NE(std::wstring::npos, at) << part;
            }
            DriverDevMode back;
            ASSERT_TRUE(session.RecordOf(ticket, Defaults(), &back));
            EXPECT_EQ(0, memcmp(&record, &back, sizeof back)) << "step " << &step - steps;
        }
        ticket->Release();
    }
}

TEST_F(PrintTicketProvider, BadInputGetsADefinedAnswer)
{
    IPrintTicketProvider* provider = session.Provider;
    DriverDevMode record = Defaults();
    DriverDevMode noExtra = Defaults();
    noExtra.Public.dmDriverExtra = 0;
    DEVMODEW* raw = reinterpret_cast<DEVMODEW*>(&record);
    IXMLDOMDocument2* empty = NewQueryableDocument();
    IXMLDOMDocument2* foreign = NewQueryableDocument();
    // A ticket whose text XML cannot carry: a control character put in through the DOM.
    IXMLDOMDocument2* unsavable = NewQueryableDocument();
    ASSERT_TRUE(empty != nullptr && foreign != nullptr && unsavable != nullptr);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    BSTR text = SysAllocString(L"<root><psf:Feature xmlns:psf='x'/></root>");
    ASSERT_EQ(S_OK, foreign->loadXML(text, &loaded));
    SysFreeString(text);
    text = SysAllocString(CallersTicket);
    ASSERT_EQ(S_OK, unsavable->loadXML(text, &loaded));
    SysFreeString(text);
    text = SysAllocString(L"\x01");
    IXMLDOMText* control = nullptr;
    IXMLDOMNode* added = nullptr;
    IXMLDOMElement* root = nullptr;
    ASSERT_EQ(S_OK, unsavable->createTextNode(text, &control));
    ASSERT_EQ(S_OK, unsavable->get_documentElement(&root));
    ASSERT_EQ(S_OK, root->appendChild(control, &added));
    SysFreeString(text);
    added->Release();
    control->Release();
    root->Release();
    ULONG bytes = 1;
    DEVMODEW* out = raw;
    IXMLDOMDocument2* capabilities = nullptr;
    INT count = 0;
    TicketShimOptions shim;
    DWORD flags;
    BSTR* names = nullptr;
    const struct {
        HRESULT Expected;
        std::function<HRESULT()> Call;
    } calls[] = {
        {E_POINTER, [&] { return provider->ConvertDevModeToPrintTicket(sizeof record, nullptr, empty); }},
        {E_POINTER, [&] { return provider->ConvertDevModeToPrintTicket(sizeof record, raw, nullptr); }},
        {E_INVALIDARG, [&] { return provider->ConvertDevModeToPrintTicket(60, raw, empty); }},
        {E_INVALIDARG, [&] { return provider->ConvertDevModeToPrintTicket(300, raw, empty); }},
        {E_INVALIDARG,
         [&] {
             return provider->ConvertDevModeToPrintTicket(sizeof noExtra,
                                                          reinterpret_cast<DEVMODEW*>(&noExtra), empty);
         }},
        {E_FAIL, [&] { return provider->ConvertDevModeToPrintTicket(sizeof record, raw, unsavable); }},
        {PrintTicketFormat,
         [&] { return provider->ConvertPrintTicketToDevMode(empty, sizeof record, raw, &bytes, &out); }},
        {PrintTicketFormat,
         [&] { return provider->ConvertPrintTicketToDevMode(foreign, sizeof record, raw, &bytes, &out); }},
        {E_INVALIDARG, [&] { return provider->ConvertPrintTicketToDevMode(foreign, 60, raw, &bytes, &out); }},
        {E_POINTER,
         [&] { return provider->ConvertPrintTicketToDevMode(nullptr, sizeof record, raw, &bytes, &out); }},
        {E_POINTER,
         [&] { return provider->ConvertPrintTicketToDevMode(empty, sizeof record, raw, nullptr, &out); }},
        {E_POINTER,
         [&] { return provider->ConvertPrintTicketToDevMode(empty, sizeof record, nullptr, &bytes, &out); }},
        {PrintTicketFormat, [&] { return provider->ValidatePrintTicket(foreign); }},
        {PrintTicketFormat, [&] { return provider->ValidatePrintTicket(empty); }},
        {PrintTicketFormat, [&] { return provider->GetPrintCapabilities(foreign, &capabilities); }},
        {E_POINTER, [&] { return provider->GetPrintCapabilities(nullptr, nullptr); }},
        {E_POINTER, [&] { return provider->ValidatePrintTicket(nullptr); }},
        {E_POINTER, [&] { return provider->GetSupportedVersions(nullptr, nullptr, &count); }},
        {E_POINTER, [&] { return provider->QueryDeviceNamespace(nullptr); }},
        {E_POINTER,
         [&] { return provider->BindPrinter(printer.Handle(), 1, &shim, nullptr, &count, &names); }},
        {E_INVALIDARG, [&] { return provider->BindPrinter(nullptr, 1, &shim, &flags, &count, &names); }},
    };
    for (size_t i = 0; i < sizeof calls / sizeof calls[0]; ++i) {
        // A refusal hands nothing back: each out-parameter is cleared or left alone.
        out = raw;
        capabilities = empty;
        EXPECT_EQ(calls[i].Expected, calls[i].Call()) << "call " << i;
        EXPECT_TRUE(out == nullptr || out == raw) << "call " << i;
        EXPECT_TRUE(capabilities == nullptr || capabilities == empty) << "call " << i;
        EXPECT_EQ(nullptr, names) << "call " << i;
    }
    // What could not be written into is left as it was.
    EXPECT_EQ(6, CountNodes(unsavable, L"/*/node()"));
    empty->Release();
    foreign->Release();
    unsavable->Release();

    void* object = nullptr;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
              session.GetClassObject(IID_IClassFactory, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(S_FALSE, session.CanUnloadNow());
    session.Close();
    EXPECT_EQ(S_OK, session.CanUnloadNow());
}

}  // namespace
