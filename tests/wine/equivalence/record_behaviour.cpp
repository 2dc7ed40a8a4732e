/*
 * pdr-record-behaviour: loads a given pdr7300ui.dll and writes what it does
 * for a broad, fixed set of inputs as a text record, one observation a
 * line, so that two builds of the DLL can be compared byte for byte
 * (tools/compare-behaviour.sh).  Run it in a prefix where the demo printer
 * is installed; it puts the catalogue file, the printer's data and the
 * version text back as it found them.
 *
 *   pdr-record-behaviour.exe --dll PATH --out PATH [--random COUNT]
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "device_sheet_recording.h"
#include "document_sheet_recording.h"
#include "driver_contract.h"
#include "export_recording.h"
#include "input_records.h"
#include "machine_state.h"
#include "manage_labels_recording.h"
#include "observation_log.h"

namespace {

const int DefaultRandomRecords = 300;

struct Options {
    std::wstring Dll;
    std::wstring Out;
    int RandomRecords = DefaultRandomRecords;
};

bool ParseOptions(int argc, wchar_t** argv, Options* options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        if (name == L"--dll")
            options->Dll = argv[i + 1];
        else if (name == L"--out")
            options->Out = argv[i + 1];
        else if (name == L"--random")
            options->RandomRecords = _wtoi(argv[i + 1]);
        else
            return false;
    }
    return argc % 2 == 1 && !options->Dll.empty() && !options->Out.empty() && options->RandomRecords >= 0;
}

void RecordEnvironment(ObservationLog& log)
{
    // The same for both DLLs of a comparison; it tells two languages apart.
    log.Add(Format("environment ui-language=%04x ansi-code-page=%u", GetUserDefaultUILanguage(), GetACP()));
}

/* Runs one part of the recording and tells on the console, never in the
 * record, how long it took. */
template <typename Part>
void Timed(const char* name, Part part)
{
    const DWORD started = GetTickCount();
    part();
    printf("%s: %lu ms\n", name, static_cast<unsigned long>(GetTickCount() - started));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        fprintf(stderr, "usage: pdr-record-behaviour.exe --dll PATH --out PATH [--random COUNT]\n");
        return 2;
    }
    DriverUnderTest driver;
    if (!LoadDriverUnderTest(options.Dll.c_str(), &driver)) {
        fprintf(stderr, "pdr-record-behaviour: cannot load %ls or one of its entry points (error %lu)\n",
                options.Dll.c_str(), GetLastError());
        return 3;
    }
    RecordedPrinter printer;
    if (printer.Handle() == nullptr) {
        fprintf(stderr, "pdr-record-behaviour: the demo printer is not installed in this prefix\n");
        return 3;
    }
    std::vector<CallerInput> inputs = NamedInputs();
    const std::vector<CallerInput> hostile = HostileInputs(options.RandomRecords);
    inputs.insert(inputs.end(), hostile.begin(), hostile.end());

    ObservationLog log;
    {
        MachineStateGuard guard(printer);
        RecordEnvironment(log);
        Timed("exports", [&] { RecordExports(log, driver, printer, inputs); });
        Timed("document sheets", [&] { RecordDocumentSheets(log, driver, printer, inputs); });
        Timed("device sheets", [&] { RecordDeviceSheets(log, driver, printer); });
        Timed("manage labels", [&] { RecordManageLabels(log, driver, printer, inputs); });
    }
    if (!log.SaveTo(options.Out.c_str())) {
        fprintf(stderr, "pdr-record-behaviour: cannot write %ls\n", options.Out.c_str());
        return 4;
    }
    printf("%lu observations\n", static_cast<unsigned long>(log.Count()));
    return 0;
}
