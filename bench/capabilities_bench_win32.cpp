/*
 * DC_PAPERNAMES, DC_PAPERS, DC_PAPERSIZE and DevQueryPrintEx through the
 * DLL's exports, against the bare floor measured in the same process: open
 * the catalogue, read it, parse it with cJSON and walk it into labels.  Once
 * with a 128-label catalogue that stays unchanged, once on the first call
 * after each change.  Every measurement is interleaved with the floor's, so
 * both see the same machine; min and median of each, in microseconds, and
 * their ratios to the floor's.  Run under Wine by tools/bench.sh; the
 * machine's catalogue is put back afterwards.
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_statistics.h"
#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "settings/devmode_ops.h"
#include "sheet_context/driver_ui_contract.h"

namespace {

typedef DWORD(WINAPI* CapabilitiesFunction)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
typedef BOOL(WINAPI* QueryPrintFunction)(PDEVQUERYPRINT_INFO);

const wchar_t PrinterName[] = L"PDR-7300 Zr";
constexpr int SteadyRounds = 2000;
constexpr int ChangeRounds = 300;

struct Driver {
    CapabilitiesFunction capabilities;
    QueryPrintFunction queryPrint;
};

double Microseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Step>
double Time(Step step)
{
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    step();
    QueryPerformanceCounter(&to);
    return Microseconds(from, to);
}

/* The floor: what any reader of the file has to do. */
int ReadAndParse(const wchar_t* path, LabelEntry* entries)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    char* text = static_cast<char*>(malloc(static_cast<size_t>(size.QuadPart) + 1));
    DWORD got = 0;
    ReadFile(file, text, static_cast<DWORD>(size.QuadPart), &got, nullptr);
    CloseHandle(file);
    text[got] = '\0';
    const int count = ParseLabelCatalogueReporting(text, got, entries, MaxLabels, nullptr);
    free(text);
    return count;
}

/* 128 labels; `variant` changes every name, so each save is a change. */
bool SaveCatalogue(int variant)
{
    static LabelEntry labels[MaxLabels];
    for (int i = 0; i < MaxLabels; ++i) {
        LabelEntry& label = labels[i];
        label = {};
        snprintf(label.name, sizeof label.name, "Stock %d label %03d", variant, i + 1);
        snprintf(label.width, sizeof label.width, "%d.00", 2 + i % 3);
        snprintf(label.length, sizeof label.length, "%d.00", 3 + i % 5);
        snprintf(label.horzOffset, sizeof label.horzOffset, "0");
        snprintf(label.vertOffset, sizeof label.vertOffset, "0");
        label.units = Inches;
        label.id = FirstLabelId + i;
    }
    return SaveLabelCatalogue(labels, MaxLabels, nullptr);
}

struct Measure {
    const char* name;
    std::vector<double> steady;
    std::vector<double> changed;
};

void Report(const std::vector<Measure>& measures, bool changed)
{
    const std::vector<double>& floor = changed ? measures[0].changed : measures[0].steady;
    printf("\n%s\n%-16s %10s %10s %10s %10s\n",
           changed ? "First call after a change (goal: within 1.2x of the floor)"
                   : "Catalogue unchanged (goal: at most 0.5x the floor)",
           "", "min us", "median us", "min ratio", "med ratio");
    for (const Measure& measure : measures) {
        const std::vector<double>& values = changed ? measure.changed : measure.steady;
        printf("%-16s %10.1f %10.1f %10.2f %10.2f\n", measure.name, Min(values), Median(values),
               Min(values) / Min(floor), Median(values) / Median(floor));
    }
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

}  // namespace

int wmain()
{
    wchar_t folder[MAX_PATH];
    GetModuleFileNameW(nullptr, folder, MAX_PATH);
    *wcsrchr(folder, L'\\') = L'\0';
    const std::wstring dll = std::wstring(folder) + L"\\pdr7300ui.dll";
    HMODULE library = LoadLibraryW(dll.c_str());
    if (library == nullptr) {
        fprintf(stderr, "cannot load %ls\n", dll.c_str());
        return 1;
    }
    Driver driver = {reinterpret_cast<CapabilitiesFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "DrvDeviceCapabilities"))),
                     reinterpret_cast<QueryPrintFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "DevQueryPrintEx")))};
    wchar_t* path = GetLabelCataloguePath();
    if (driver.capabilities == nullptr || driver.queryPrint == nullptr || path == nullptr)
        return 1;
    bool existed = false;
    const std::string before = FileBytes(path, &existed);

    static LabelEntry entries[MaxLabels];
    /* Asked without a record, the lists end with the printer default's own
     * paper after the labels. */
    const DWORD listed = MaxLabels + 1;
    static uint8_t output[(MaxLabels + 1) * 128];
    DriverDevMode job;
    BuildDefaultDevMode(&job, u"PDR-7300 Zr");
    job.Public.dmPaperSize = FirstLabelId + MaxLabels - 1; /* the last label: the whole list is searched */
    DEVQUERYPRINT_INFO query = {};
    query.cbSize = sizeof query;
    query.Level = 1;
    query.pDevMode = reinterpret_cast<DEVMODEW*>(&job);

    PWSTR printer = const_cast<PWSTR>(PrinterName);
    std::vector<Measure> measures = {{"floor", {}, {}},
                                     {"DC_PAPERNAMES", {}, {}},
                                     {"DC_PAPERS", {}, {}},
                                     {"DC_PAPERSIZE", {}, {}},
                                     {"DevQueryPrintEx", {}, {}}};
    auto call = [&](size_t which) {
        switch (which) {
        case 0:
            return Time([&] { ReadAndParse(path, entries); });
        case 1:
            return Time([&] { driver.capabilities(nullptr, printer, DC_PAPERNAMES, output, nullptr); });
        case 2:
            return Time([&] { driver.capabilities(nullptr, printer, DC_PAPERS, output, nullptr); });
        case 3:
            return Time([&] { driver.capabilities(nullptr, printer, DC_PAPERSIZE, output, nullptr); });
        default:
            return Time([&] { driver.queryPrint(&query); });
        }
    };

    int variant = 0;
    /* Checked with a fill: a count would keep its catalogue for the next fill. */
    if (!SaveCatalogue(variant) ||
        driver.capabilities(nullptr, printer, DC_PAPERS, output, nullptr) != listed) {
        fprintf(stderr, "the catalogue could not be set up\n");
        return 1;
    }
    Sleep(1000); /* older than any file system's timestamp tick: a steady catalogue */
    for (int round = 0; round < SteadyRounds; ++round)
        for (size_t which = 0; which < measures.size(); ++which)
            measures[which].steady.push_back(call(which));
    for (int round = 0; round < ChangeRounds; ++round)
        for (size_t which = 0; which < measures.size(); ++which) {
            SaveCatalogue(++variant);
            measures[which].changed.push_back(call(which));
        }
    Report(measures, false);
    Report(measures, true);

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
    FreeLibrary(library);
    return 0;
}
