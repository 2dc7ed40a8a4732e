#include "export_recording.h"

#include <string.h>

#include <functional>

#include "catalogues.h"

namespace {

const uint8_t FirstGuard = 0xC5;
const uint8_t SecondGuard = 0x3A;
/* Bytes after a buffer's end in which writes past it would show. */
const size_t TailBytes = 64;
const DWORD LastErrorBefore = 0xE0E0E0E0;
/* Room for the longest list: 128 labels' paper names of 64 characters, and
 * one more for a record's own custom paper. */
const size_t CapabilityBufferBytes = (128 + 1) * 64 * sizeof(wchar_t);
const WORD CapabilityIndexes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                  11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0xFFFF};
wchar_t PrinterName[] = L"PDR-7300 Zr";
wchar_t UnknownPrinterName[] = L"No such printer";

/* Runs `call` on a buffer of `size` bytes filled with one guard, then with
 * another, and describes both what the call answered (which must be the
 * same both times) and what it wrote. */
std::string CallOnGuardedBuffer(size_t size, const std::function<std::string(uint8_t*)>& call)
{
    std::vector<uint8_t> first(size + TailBytes, FirstGuard);
    std::vector<uint8_t> second(size + TailBytes, SecondGuard);
    const std::string firstAnswer = call(first.data());
    const std::string secondAnswer = call(second.data());
    const std::string written =
        WrittenBytes({first.data(), FirstGuard}, {second.data(), SecondGuard}, first.size());
    if (firstAnswer != secondAnswer)
        return firstAnswer + " | unstable: " + secondAnswer + " out=" + written;
    return firstAnswer + " out=" + written;
}

class ExportRecorder {
public:
    ExportRecorder(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer)
        : log(log), driver(driver), printer(printer)
    {}

    void Capabilities(const CallerInput& input);
    void JobQuery(const CallerInput& input);
    void Conversions(const CallerInput& input);
    void SilentDocumentCalls(const CallerInput& input);
    void SilentDocumentCallsWithoutPrinter(const CallerInput& input);
    void PrinterEvents();

private:
    /* The input placed afresh for each call, and a line when a call wrote
     * into it. */
    DEVMODEW* Place(const CallerInput& input)
    {
        return area.Place(input);
    }
    void NoteInputWrites(const char* call);
    std::string Convert(const CallerInput& input, LPWSTR name, size_t bufferBytes, LONG count, DWORD mode,
                        const uint16_t* layout);
    void SilentDocumentCall(const CallerInput& input, HANDLE handle, DWORD mode, bool withOutput);

    ObservationLog& log;
    const DriverUnderTest& driver;
    RecordedPrinter& printer;
    InputArea area;
};

void ExportRecorder::NoteInputWrites(const char* call)
{
    if (!area.Unchanged())
        log.Add(Format("%s wrote into its input record", call));
}

void ExportRecorder::Capabilities(const CallerInput& input)
{
    ObservationLog::Scope scope(log, "rec=" + input.Name);
    for (WORD index : CapabilityIndexes) {
        const DWORD bare = driver.DeviceCapabilities(nullptr, PrinterName, index, nullptr, Place(input));
        NoteInputWrites("capabilities");
        const std::string buffered = CallOnGuardedBuffer(CapabilityBufferBytes, [&](uint8_t* buffer) {
            const DWORD result = driver.DeviceCapabilities(nullptr, PrinterName, index, buffer, Place(input));
            return Format("result=%ld", static_cast<long>(result));
        });
        NoteInputWrites("capabilities");
        log.Add(Format("caps index=%u no-buffer result=%ld buffer ", index, static_cast<long>(bare)) +
                buffered);
    }
}

void ExportRecorder::JobQuery(const CallerInput& input)
{
    const DWORD errorChars = 128;
    const std::string answer = CallOnGuardedBuffer(errorChars * sizeof(wchar_t), [&](uint8_t* text) {
        contract::DevQueryPrintInfo query = {};
        query.cbSize = sizeof query;
        query.Level = 1;
        query.hPrinter = printer.Handle();
        query.pDevMode = Place(input);
        query.pszErrorStr = reinterpret_cast<LPWSTR>(text);
        query.cchErrorStr = errorChars;
        query.cchNeeded = 0xABCD;
        const BOOL result = driver.QueryPrint(&query);
        return Format("result=%d needed=%lu", result, query.cchNeeded);
    });
    NoteInputWrites("job query");
    log.Add("rec=" + input.Name + " query " + answer);
}

std::string ExportRecorder::Convert(const CallerInput& input, LPWSTR name, size_t bufferBytes, LONG count,
                                    DWORD mode, const uint16_t* layout)
{
    return CallOnGuardedBuffer(bufferBytes, [&](uint8_t* out) {
        if (layout != nullptr) {
            memcpy(out + offsetof(PublicDevMode, dmSpecVersion), &layout[3], 2);
            memcpy(out + offsetof(PublicDevMode, dmDriverVersion), &layout[2], 2);
            memcpy(out + offsetof(PublicDevMode, dmSize), &layout[0], 2);
            memcpy(out + offsetof(PublicDevMode, dmDriverExtra), &layout[1], 2);
        }
        LONG inOut = count;
        SetLastError(LastErrorBefore);
        PDEVMODEW output = bufferBytes == 0 ? nullptr : reinterpret_cast<PDEVMODEW>(out);
        const BOOL result = driver.ConvertDevMode(name, Place(input), output, &inOut, mode);
        const DWORD error = GetLastError();
        return Format("result=%d count=%ld error=%lu", result, static_cast<long>(inOut), error);
    });
}

void ExportRecorder::Conversions(const CallerInput& input)
{
    ObservationLog::Scope scope(log, "rec=" + input.Name + " convert");
    // Layouts a caller prepares for a conversion into its own layout:
    // dmSize, dmDriverExtra, dmDriverVersion, dmSpecVersion.
    static const uint16_t layouts[][4] = {{220, 288, 0x0402, 0x0401}, {188, 112, 0x0350, 0x0320},
                                          {212, 288, 0x0402, 0x0400}, {220, 0, 0x0402, 0x0401},
                                          {100, 50, 0x0401, 0},       {100, 50, 0x0401, 0x0401}};
    for (const uint16_t* layout : layouts) {
        const LONG needed = layout[0] + layout[1];
        for (LONG count : {LONG(0), needed - 1, needed, LONG(600)}) {
            const size_t bytes = static_cast<size_t>(count > needed ? count : needed);
            log.Add(Format("mode=1 layout=%u/%u/%04x/%04x count=%ld ", layout[0], layout[1], layout[2],
                           layout[3], static_cast<long>(count)) +
                    Convert(input, PrinterName, bytes, count, contract::ConvertToCallerLayout, layout));
        }
    }
    for (DWORD mode :
         {DWORD(contract::ConvertTo351), DWORD(contract::DriverDefault), DWORD(0), DWORD(3), DWORD(8)}) {
        for (LONG count : {LONG(-1), LONG(0), LONG(299), LONG(300), LONG(507), LONG(508), LONG(600)}) {
            const size_t bytes = count > 0 ? static_cast<size_t>(count) : 1;
            log.Add(Format("mode=%lu count=%ld ", mode, static_cast<long>(count)) +
                    Convert(input, PrinterName, bytes, count, mode, nullptr));
        }
        log.Add(Format("mode=%lu no-output count=600 ", mode) +
                Convert(input, PrinterName, 0, 600, mode, nullptr));
    }
    log.Add("mode=4 unknown-printer count=600 " +
            Convert(input, UnknownPrinterName, 600, 600, contract::DriverDefault, nullptr));
    NoteInputWrites("conversion");
}

void ExportRecorder::SilentDocumentCall(const CallerInput& input, HANDLE handle, DWORD mode, bool withOutput)
{
    const size_t outputBytes = OutputSizeFor(input);
    std::string answer = CallOnGuardedBuffer(withOutput ? outputBytes : 0, [&](uint8_t* out) {
        contract::DocumentPropertyHeader header = {};
        header.cbSize = sizeof header;
        header.hPrinter = handle;
        header.pszPrinterName = PrinterName;
        header.pdmIn = Place(input);
        header.pdmOut = withOutput ? reinterpret_cast<PDEVMODEW>(out) : nullptr;
        header.cbOut = static_cast<DWORD>(outputBytes);
        header.fMode = mode;
        const LONG result = driver.DocumentSheets(nullptr, reinterpret_cast<LPARAM>(&header));
        return Format("result=%ld cbOut=%lu", static_cast<long>(result), header.cbOut);
    });
    NoteInputWrites("document call");
    log.Add(Format("mode=%04lx output=%s ", mode, withOutput ? "yes" : "no") + answer);
}

void ExportRecorder::SilentDocumentCalls(const CallerInput& input)
{
    ObservationLog::Scope scope(log, "rec=" + input.Name + " document");
    for (DWORD mode :
         {DWORD(0), DWORD(DM_COPY), DWORD(DM_UPDATE | DM_COPY), DWORD(DM_COPY | contract::NoPermission)})
        SilentDocumentCall(input, printer.Handle(), mode, true);
}

void ExportRecorder::SilentDocumentCallsWithoutPrinter(const CallerInput& input)
{
    // As the spooler calls while it adds a printer: no handle, and no
    // output record in the size query.
    ObservationLog::Scope scope(log, "rec=" + input.Name + " document no-printer");
    SilentDocumentCall(input, nullptr, 0, false);
    SilentDocumentCall(input, nullptr, DM_COPY, true);
    SilentDocumentCall(input, printer.Handle(), DM_COPY, false);
}

void ExportRecorder::PrinterEvents()
{
    for (INT event = 1; event <= 8; ++event)
        log.Add(
            Format("printer-event event=%d result=%d", event, driver.PrinterEvent(PrinterName, event, 0, 0)));
}

bool UsedWithEveryCatalogue(const CallerInput& input)
{
    return input.Name == "none" || input.Name == "default" || input.Name == "label257" ||
           input.Name == "label300" || input.Name == "layout-220-0-0402";
}

}  // namespace

void RecordExports(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                   const std::vector<CallerInput>& inputs)
{
    ExportRecorder recorder(log, driver, printer);
    printer.UseOptions(1, 1);
    printer.ForgetMarkers();
    UseCatalogue(MixedCatalogue());
    {
        ObservationLog::Scope scope(log, "exports catalogue=mixed");
        for (const CallerInput& input : inputs)
            recorder.Capabilities(input);
        for (const CallerInput& input : inputs)
            recorder.JobQuery(input);
        for (const CallerInput& input : inputs)
            recorder.Conversions(input);
        for (const CallerInput& input : inputs)
            recorder.SilentDocumentCalls(input);
        for (const CallerInput& input : inputs)
            if (UsedWithEveryCatalogue(input))
                recorder.SilentDocumentCallsWithoutPrinter(input);
        recorder.PrinterEvents();
        log.Add("printer Forms? " + printer.DescribeValue(L"Forms?"));
        log.Add("catalogue " + DescribeCatalogue());
    }
    const struct {
        const char* Name;
        std::string Bytes;
    } others[] = {{"empty", EmptyCatalogue()},
                  {"full", NumberedCatalogue(128)},
                  {"overfull", NumberedCatalogue(130)},
                  {"tenths-first", TenthsFirstCatalogue()},
                  {"missing", ""}};
    for (const auto& catalogue : others) {
        ObservationLog::Scope scope(log, std::string("exports catalogue=") + catalogue.Name);
        if (catalogue.Bytes.empty())
            RemoveCatalogue();
        else
            UseCatalogue(catalogue.Bytes);
        for (const CallerInput& input : inputs) {
            if (!UsedWithEveryCatalogue(input))
                continue;
            recorder.Capabilities(input);
            recorder.JobQuery(input);
            recorder.SilentDocumentCalls(input);
        }
    }
}
