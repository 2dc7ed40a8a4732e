/*
 * The print ticket provider under Wine, through DllGetClassObject as the
 * print ticket manager calls it, against the floor of each call: MSXML 6
 * parsing the document that call produces (the capabilities, the ticket),
 * measured in the same process right after the call: the three calls one
 * after the other, then each in rounds of its own.  A 128-label
 * catalogue; min and median in microseconds and their ratios to the
 * floor's (goal: at most 2x).  Run by tools/bench.sh; the machine's
 * catalogue is put back afterwards.
 */
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_statistics.h"
#include "labels/label_catalogue.h"
#include "print_ticket/ticket_provider_win32.h"
#include "print_ticket/ticket_xml_win32.h"
#include "settings/devmode_ops.h"

namespace {

constexpr int Rounds = 300;

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool SaveCatalogue()
{
    static LabelEntry labels[MaxLabels];
    for (int i = 0; i < MaxLabels; ++i) {
        LabelEntry& label = labels[i];
        label = {};
        snprintf(label.name, sizeof label.name, "Stock label %03d", i + 1);
        snprintf(label.width, sizeof label.width, "%d.00", 2 + i % 3);
        snprintf(label.length, sizeof label.length, "%d.00", 3 + i % 5);
        snprintf(label.horzOffset, sizeof label.horzOffset, "0");
        snprintf(label.vertOffset, sizeof label.vertOffset, "0");
        label.units = Inches;
        label.id = FirstLabelId + i;
    }
    return SaveLabelCatalogue(labels, MaxLabels, nullptr);
}

std::string FileBytes(const wchar_t* path, bool* exists)
{
    std::string bytes;
    FILE* file = _wfopen(path, L"rb");
    *exists = file != nullptr;
    if (file == nullptr)
        return bytes;
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    fclose(file);
    return bytes;
}

/* The document's text, to parse as the floor. */
std::wstring TextOf(IXMLDOMDocument2* document)
{
    BSTR xml = nullptr;
    document->get_xml(&xml);
    std::wstring text = xml != nullptr ? xml : L"";
    SysFreeString(xml);
    return text;
}

double ParseFloor(const std::wstring& text)
{
    IXMLDOMDocument2* document = CreateTicketDocument();
    const double from = Now();
    LoadTicketText(document, text.c_str());
    const double took = Now() - from;
    document->Release();
    return took;
}

struct Measure {
    const char* Name;
    std::vector<double> Call;
    std::vector<double> Floor;
};

}  // namespace

int wmain()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    wchar_t folder[MAX_PATH];
    GetModuleFileNameW(nullptr, folder, MAX_PATH);
    *wcsrchr(folder, L'\\') = L'\0';
    HMODULE library = LoadLibraryW((std::wstring(folder) + L"\\pdr7300ui.dll").c_str());
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    wchar_t* path = GetLabelCataloguePath();
    HANDLE printer = nullptr;
    IClassFactory* factory = nullptr;
    IPrintTicketProvider* provider = nullptr;
    if (getClassObject == nullptr || path == nullptr ||
        !OpenPrinterW(const_cast<LPWSTR>(L"PDR-7300 Zr"), &printer, nullptr) ||
        FAILED(getClassObject(ClsidTicketProvider, IID_IClassFactory, reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateInstance(nullptr, IidPrintTicketProvider, reinterpret_cast<void**>(&provider))))
        return 1;
    factory->Release();
    TicketShimOptions shim;
    DWORD fields;
    INT count;
    BSTR* names = nullptr;
    provider->BindPrinter(printer, 1, &shim, &fields, &count, &names);
    SysFreeString(names[0]);
    CoTaskMemFree(names);

    bool existed = false;
    const std::string before = FileBytes(path, &existed);
    if (!SaveCatalogue())
        return 1;
    DriverDevMode record;
    BuildDefaultDevMode(&record, u"PDR-7300 Zr");
    record.Public.dmPaperSize = FirstLabelId + MaxLabels - 1;

    IXMLDOMDocument2* ticket = CreateTicketDocument();
    std::wstring ticketText;
    /* One call and its floor, measured one right after the other. */
    const auto measureCapabilities = [&](Measure* measure) {
        IXMLDOMDocument2* capabilities = nullptr;
        const double from = Now();
        provider->GetPrintCapabilities(nullptr, &capabilities);
        measure->Call.push_back(Now() - from);
        measure->Floor.push_back(ParseFloor(TextOf(capabilities)));
        capabilities->Release();
    };
    const auto measureToTicket = [&](Measure* measure) {
        const double from = Now();
        provider->ConvertDevModeToPrintTicket(sizeof record, reinterpret_cast<DEVMODEW*>(&record), ticket);
        measure->Call.push_back(Now() - from);
        ticketText = TextOf(ticket);
        measure->Floor.push_back(ParseFloor(ticketText));
    };
    const auto measureToDevMode = [&](Measure* measure) {
        ULONG bytes = 0;
        DEVMODEW* out = nullptr;
        const double from = Now();
        provider->ConvertPrintTicketToDevMode(ticket, sizeof record, reinterpret_cast<DEVMODEW*>(&record),
                                              &bytes, &out);
        measure->Call.push_back(Now() - from);
        CoTaskMemFree(out);
        measure->Floor.push_back(ParseFloor(ticketText));
    };
    const auto print = [](const char* title, const std::vector<Measure>& measures) {
        printf("%s\n%-22s %10s %10s %10s %10s %10s %10s\n", title, "", "min us", "median us", "floor min",
               "floor med", "min ratio", "med ratio");
        for (const Measure& measure : measures)
            printf("%-22s %10.1f %10.1f %10.1f %10.1f %10.2f %10.2f\n", measure.Name, Min(measure.Call),
                   Median(measure.Call), Min(measure.Floor), Median(measure.Floor),
                   Min(measure.Call) / Min(measure.Floor), Median(measure.Call) / Median(measure.Floor));
    };

    /* As a program calls them, one after the other: a call right after the
     * capabilities (a document of some hundred kilobytes) finds the caches
     * cold, its floor right after it warm. */
    std::vector<Measure> interleaved = {
        {"GetPrintCapabilities", {}, {}}, {"DevModeToTicket", {}, {}}, {"TicketToDevMode", {}, {}}};
    for (int round = 0; round < Rounds; ++round) {
        measureCapabilities(&interleaved[0]);
        measureToTicket(&interleaved[1]);
        measureToDevMode(&interleaved[2]);
    }
    /* Each call in rounds of its own, so that the call and its floor run
     * under the same conditions. */
    std::vector<Measure> alone = {
        {"GetPrintCapabilities", {}, {}}, {"DevModeToTicket", {}, {}}, {"TicketToDevMode", {}, {}}};
    for (int round = 0; round < Rounds; ++round)
        measureCapabilities(&alone[0]);
    for (int round = 0; round < Rounds; ++round)
        measureToTicket(&alone[1]);
    for (int round = 0; round < Rounds; ++round)
        measureToDevMode(&alone[2]);
    print("Calls one after the other, as a program makes them:", interleaved);
    print("Each call in rounds of its own:", alone);

    ticket->Release();
    provider->Release();
    ClosePrinter(printer);
    if (existed) {
        FILE* file = _wfopen(path, L"wb");
        if (file != nullptr) {
            fwrite(before.data(), 1, before.size(), file);
            fclose(file);
        }
    } else {
        DeleteFileW(path);
    }
    free(path);
    CoUninitialize();
    return 0;
}
