/*
 * The print ticket provider, called as Windows' print ticket manager calls
 * it, on the demo printer with the demo catalogue: the capabilities list
 * every label, records come back field for field from a ticket without a
 * snapshot, a ticket edited as a program edits it gives exactly that
 * record, the validation's two answers, and bad input.
 */
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "file_bytes.h"
#include "print_ticket/ticket_settings.h"
#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_test_support.h"
#include "text/code_page_text.h"
#include "ticket_session.h"

namespace {

const wchar_t MediaOption[] = L"//psf:Feature[@name='psk:PageMediaSize']/psf:Option";

std::wstring Wide(const char* text)
{
    return std::wstring(text, text + strlen(text));
}

std::wstring LabelOption(int id)
{
    return std::wstring(MediaOption) + L"[@name='pdr:Label" + std::to_wstring(id) + L"']";
}

/* The element of a table setting: its feature or its parameter. */
std::wstring SettingPath(const TicketSetting& setting, bool ticket)
{
    const bool parameter = setting.Kind == TicketKind::Number || setting.Kind == TicketKind::Text;
    const wchar_t* element =
        parameter ? (ticket ? L"psf:ParameterInit" : L"psf:ParameterDef") : L"psf:Feature";
    return std::wstring(L"/*/") + element + L"[@name='" +
           (setting.Space == TicketSpace::Keywords ? L"psk:" : L"pdr:") + Wide(setting.Name) + L"']";
}

class PrintTicketProvider : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        std::wstring source = L"Z:" PDR_DEMO_CATALOGUE;
        std::string text;
        ASSERT_TRUE(ReadFileBytes(source, &text));
        ASSERT_TRUE(WriteFileBytes(catalogue.Path(), text));
        count = LoadLabelCatalogue(labels, MaxLabels, nullptr);
        ASSERT_GT(count, 3);
        ASSERT_TRUE(session.Open(printer.Handle()));
    }
    void TearDown() override
    {
        session.Close();
        if (session.Library != nullptr)
            FreeLibrary(session.Library);
        CoUninitialize();
    }

    /* The record the driver makes of `record`: merged over its defaults. */
    DriverDevMode Merged(const DriverDevMode& record)
    {
        DriverDevMode merged = Defaults();
        EXPECT_TRUE(MergeDevMode(&merged, &record));
        return merged;
    }
    DriverDevMode Defaults()
    {
        DriverDevMode record;
        BuildDefaultDevMode(&record, u"PDR-7300 Zr");
        GiveRecordAUsablePaper(&record);
        return record;
    }
    DriverDevMode OnLabel(int id)
    {
        DriverDevMode record = Defaults();
        record.Public.dmPaperSize = static_cast<int16_t>(id);
        return Merged(record);
    }

    /* Record to ticket, snapshot removed, back over the defaults. */
    DriverDevMode RoundTrip(const DriverDevMode& record)
    {
        DriverDevMode back = {};
        IXMLDOMDocument2* ticket = session.TicketOf(record);
        EXPECT_NE(nullptr, ticket);
        if (ticket == nullptr)
            return back;
        RemoveSelected(ticket, L"//*[contains(@name, 'DevmodeSnapshot')]");
        EXPECT_TRUE(session.RecordOf(ticket, Defaults(), &back));
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
    EXPECT_EQ(VersionNotSupported,
              session.Provider->BindPrinter(printer.Handle(), 2, &shim, &fields, &namespaceCount, &names));
    ASSERT_EQ(S_OK,
              session.Provider->BindPrinter(printer.Handle(), 1, &shim, &fields, &namespaceCount, &names));
    EXPECT_EQ(ShimDefault, shim);
    EXPECT_EQ(static_cast<DWORD>(DM_PAPERSIZE | DM_COPIES | DM_ORIENTATION),
              fields & (DM_PAPERSIZE | DM_COPIES | DM_ORIENTATION));
    BSTR own = nullptr;
    ASSERT_EQ(S_OK, session.Provider->QueryDeviceNamespace(&own));
    ASSERT_EQ(1, namespaceCount);
    EXPECT_STREQ(own, names[0]);
    EXPECT_NE(nullptr, wcsstr(own, L"v1"));
    SysFreeString(own);
    SysFreeString(names[0]);
    CoTaskMemFree(names);
}

TEST_F(PrintTicketProvider, CapabilitiesListEveryLabelAndEverySetting)
{
    IXMLDOMDocument2* capabilities = nullptr;
    ASSERT_EQ(S_OK, session.Provider->GetPrintCapabilities(nullptr, &capabilities));
    MakeQueryable(capabilities);
    for (int i = 0; i < count; ++i) {
        const std::wstring option = LabelOption(labels[i].id);
        char16_t name[LabelNameSize] = {};
        WidenCodePageText(name, LabelNameSize, labels[i].name);
        EXPECT_EQ(reinterpret_cast<const wchar_t*>(name),
                  SelectedText(capabilities, (option + L"/psf:Property[@name='psk:DisplayName']").c_str()));
        const long width = LabelSizeInTenthsMm(labels[i].width, labels[i].units) * 100L;
        const long length = LabelSizeInTenthsMm(labels[i].length, labels[i].units) * 100L;
        EXPECT_EQ(std::to_wstring(width),
                  SelectedText(capabilities,
                               (option + L"/psf:ScoredProperty[@name='psk:MediaSizeWidth']").c_str()));
        EXPECT_EQ(std::to_wstring(length),
                  SelectedText(capabilities,
                               (option + L"/psf:ScoredProperty[@name='psk:MediaSizeHeight']").c_str()));
    }
    for (int i = 0; i < TicketSettingCount; ++i) {
        IXMLDOMNode* node = SelectNode(capabilities, SettingPath(TicketSettings[i], false).c_str());
        EXPECT_NE(nullptr, node) << TicketSettings[i].Name;
        if (node != nullptr)
            node->Release();
    }
    const std::wstring speed =
        SettingPath(TicketSettings[FindTicketSetting(TicketSpace::Private, "PrintSpeed")], false);
    EXPECT_EQ(L"2", SelectedText(capabilities, (speed + L"/psf:Property[@name='psf:MinValue']").c_str()));
    EXPECT_EQ(L"7", SelectedText(capabilities, (speed + L"/psf:Property[@name='psf:MaxValue']").c_str()));
    EXPECT_EQ(L"3", SelectedText(capabilities, (speed + L"/psf:Property[@name='psf:DefaultValue']").c_str()));
    // The demo printer has neither option installed: the pages lock both.
    EXPECT_EQ(L"psk:DeviceSettings",
              SelectedText(capabilities, L"/*/psf:Feature[@name='pdr:Cutter']/psf:Option[@name='pdr:On']"
                                         L"/psf:Property[@name='psk:Constrained']"));
    capabilities->Release();
}

TEST_F(PrintTicketProvider, RecordsComeBackFieldForFieldWithoutTheSnapshot)
{
    std::vector<DriverDevMode> records;
    for (int i = 0; i < count; ++i)
        records.push_back(OnLabel(labels[i].id));

    // Every private setting away from its default.
    DriverDevMode away = OnLabel(labels[2].id);
    DriverExtra& extra = away.Extra;
    extra.PrintSpeed = 6;
    const uint16_t heads[] = {1, 17, 24, 32};
    memcpy(extra.HeadIntensity, heads, sizeof heads);
    extra.TapeThriftEnabled = 0;
    extra.PullbackEnabled = 1;
    extra.PullbackMode = 2;
    extra.CutterEnabled = 1;
    extra.CutEvery = 25000;
    extra.CutOffset = -1200;
    extra.ColorMode = 1;
    extra.ProcessColorSet = 1;
    extra.HalftoneMethod = 3;
    extra.DiffusionQuality = 0;
    extra.SmoothingFilter = 1;
    extra.Sharpness = 1;
    extra.HalftoneIntensity = 2;
    extra.Brightness = 0;
    extra.Contrast = 200;
    extra.RedLevel = 37;
    extra.GreenLevel = 150;
    extra.BlueLevel = 199;
    const uint32_t spots[] = {0x00FFFFFF, 0x00123456, 0x000000FF, 0x00ABCDEF};
    memcpy(extra.SpotHeadColor, spots, sizeof spots);
    extra.SpotHeadEnabled[1] = 0;
    extra.SpotHeadEnabled[3] = 0;
    extra.ExactRgbMatch = 1;
    extra.CmyOnBack3Heads = 1;
    extra.AlwaysUseDriverSetting = 1;
    extra.DriverCopies = 77;
    away.Public.dmCopies = 12;
    away.Public.dmOrientation = OrientationLandscape;
    records.push_back(Merged(away));

    for (const DriverDevMode& record : records) {
        const DriverDevMode back = RoundTrip(record);
        EXPECT_EQ(0, memcmp(&record, &back, sizeof record)) << "paper " << record.Public.dmPaperSize;
    }
    // The table of the last record, for the note.
    const DriverDevMode back = RoundTrip(records.back());
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind == TicketKind::Text)
            printf("%-24s %-16s %s\n", setting.Name, records.back().Extra.LabelName, back.Extra.LabelName);
        else
            printf("%-24s %-16lld %lld\n", setting.Name,
                   static_cast<long long>(ReadTicketField(records.back(), setting)),
                   static_cast<long long>(ReadTicketField(back, setting)));
    }
}

TEST_F(PrintTicketProvider, ATicketEditedAsAProgramDoesGivesThatRecord)
{
    const DriverDevMode record = OnLabel(labels[0].id);
    IXMLDOMDocument2* ticket = session.TicketOf(record);
    ASSERT_NE(nullptr, ticket);
    const std::wstring other = L"pdr:Label" + std::to_wstring(labels[2].id);
    ASSERT_TRUE(SetSelectedAttribute(ticket, MediaOption, L"name", other.c_str()));
    ASSERT_TRUE(SetSelectedText(ticket, L"//psf:ParameterInit[@name='pdr:PrintSpeed']/psf:Value", L"4"));
    ASSERT_TRUE(SetSelectedText(ticket, L"//psf:ParameterInit[@name='pdr:HeadIntensity2']/psf:Value", L"9"));
    DriverDevMode back;
    ASSERT_TRUE(session.RecordOf(ticket, record, &back));
    ticket->Release();

    DriverDevMode expected = record;
    expected.Public.dmPaperSize = static_cast<int16_t>(labels[2].id);
    expected.Extra.PrintSpeed = 4;
    expected.Extra.HeadIntensity[1] = 9;
    expected = Merged(expected);
    EXPECT_EQ(0, memcmp(&expected, &back, sizeof back));
    EXPECT_STREQ(labels[2].name, back.Extra.LabelName);
}

TEST_F(PrintTicketProvider, ValidationAnswersNoConflictOrResolvesIt)
{
    IXMLDOMDocument2* ticket = session.TicketOf(OnLabel(labels[1].id));
    ASSERT_NE(nullptr, ticket);
    EXPECT_EQ(NoConflict, session.Provider->ValidatePrintTicket(ticket));
    MakeQueryable(ticket);
    struct Edit {
        const wchar_t* Path;
        const wchar_t* Value;
        const wchar_t* Resolved;
    } edits[] = {
        {L"//psf:ParameterInit[@name='pdr:PrintSpeed']/psf:Value", L"9", L"3"},
        {L"//psf:ParameterInit[@name='pdr:HeadIntensity4']/psf:Value", L"70000", L"10"},
        {L"//psf:ParameterInit[@name='psk:JobCopiesAllDocuments']/psf:Value", L"0", L"1"},
    };
    for (const Edit& edit : edits) {
        ASSERT_TRUE(SetSelectedText(ticket, edit.Path, edit.Value));
        EXPECT_EQ(ConflictResolved, session.Provider->ValidatePrintTicket(ticket)) << edit.Path;
        MakeQueryable(ticket);
        EXPECT_EQ(edit.Resolved, SelectedText(ticket, edit.Path));
    }
    // A cutter the printer does not have is switched off.
    ASSERT_TRUE(
        SetSelectedAttribute(ticket, L"//psf:Feature[@name='pdr:Cutter']/psf:Option", L"name", L"pdr:On"));
    EXPECT_EQ(ConflictResolved, session.Provider->ValidatePrintTicket(ticket));
    MakeQueryable(ticket);
    EXPECT_EQ(L"<none>",
              SelectedText(ticket, L"//psf:Feature[@name='pdr:Cutter']/psf:Option[@name='pdr:On']"));
    EXPECT_EQ(NoConflict, session.Provider->ValidatePrintTicket(ticket));
    ticket->Release();
}

TEST_F(PrintTicketProvider, BadInputGetsADefinedAnswer)
{
    IPrintTicketProvider* provider = session.Provider;
    DriverDevMode record = Defaults();
    DEVMODEW* raw = reinterpret_cast<DEVMODEW*>(&record);
    IXMLDOMDocument2* ticket = NewQueryableDocument();
    ASSERT_NE(nullptr, ticket);
    ULONG bytes = 1;
    DEVMODEW* out = raw;

    EXPECT_EQ(E_POINTER, provider->ConvertDevModeToPrintTicket(sizeof record, nullptr, ticket));
    EXPECT_EQ(E_POINTER, provider->ConvertDevModeToPrintTicket(sizeof record, raw, nullptr));
    EXPECT_EQ(E_INVALIDARG, provider->ConvertDevModeToPrintTicket(60, raw, ticket));
    EXPECT_EQ(E_INVALIDARG, provider->ConvertDevModeToPrintTicket(300, raw, ticket));
    record.Public.dmDriverExtra = 0;
    EXPECT_EQ(E_INVALIDARG, provider->ConvertDevModeToPrintTicket(sizeof record, raw, ticket));
    record = Defaults();
    // An empty and a malformed document.
    EXPECT_EQ(PrintTicketFormat,
              provider->ConvertPrintTicketToDevMode(ticket, sizeof record, raw, &bytes, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0u, bytes);
    BSTR foreign = SysAllocString(L"<root><psf:Feature xmlns:psf='x'/></root>");
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_EQ(S_OK, ticket->loadXML(foreign, &loaded));
    SysFreeString(foreign);
    EXPECT_EQ(PrintTicketFormat,
              provider->ConvertPrintTicketToDevMode(ticket, sizeof record, raw, &bytes, &out));
    EXPECT_EQ(PrintTicketFormat, provider->ValidatePrintTicket(ticket));
    IXMLDOMDocument2* capabilities = nullptr;
    EXPECT_EQ(PrintTicketFormat, provider->GetPrintCapabilities(ticket, &capabilities));
    EXPECT_EQ(nullptr, capabilities);
    EXPECT_EQ(E_POINTER, provider->ConvertPrintTicketToDevMode(nullptr, sizeof record, raw, &bytes, &out));
    EXPECT_EQ(E_POINTER, provider->ConvertPrintTicketToDevMode(ticket, sizeof record, raw, nullptr, &out));
    EXPECT_EQ(E_POINTER, provider->ConvertPrintTicketToDevMode(ticket, sizeof record, nullptr, &bytes, &out));
    EXPECT_EQ(E_POINTER, provider->GetPrintCapabilities(nullptr, nullptr));
    EXPECT_EQ(E_POINTER, provider->ValidatePrintTicket(nullptr));
    EXPECT_EQ(E_POINTER, provider->GetSupportedVersions(nullptr, nullptr, nullptr));
    EXPECT_EQ(E_POINTER, provider->QueryDeviceNamespace(nullptr));
    ticket->Release();

    void* object = nullptr;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
              session.GetClassObject(IID_IClassFactory, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(S_FALSE, session.CanUnloadNow());
    session.Close();
    EXPECT_EQ(S_OK, session.CanUnloadNow());
}

}  // namespace
