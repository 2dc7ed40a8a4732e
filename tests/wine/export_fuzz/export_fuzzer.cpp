#include "export_fuzzer.h"

#include <stdio.h>
#include <string.h>

#include "print_ticket/ticket_xml_win32.h"
#include "settings/devmode_bytes.h"

namespace {

const size_t MaxRecordBytes = 2 * 0xFFFF;
const size_t MaxOutputBytes = 4096 + MaxRecordBytes;
const LONG DriverRecordBytes = 508;
const size_t MaxFindings = 20;

const DWORD DocumentModes[] = {0,
                               DM_COPY,
                               DM_UPDATE,
                               DM_UPDATE | DM_COPY,
                               DM_IN_BUFFER,
                               DM_IN_BUFFER | DM_OUT_BUFFER,
                               DM_COPY | DM_NOPERMISSION};
const DWORD ConvertModes[] = {0, CDM_CONVERT, CDM_CONVERT351, 3, CDM_DRIVER_DEFAULT, 8, 0xFFFFFFFF};
const LONG ConvertCounts[] = {-1, 0, 1, 71, 72, 187, 299, 300, 301, 507, 508, 509, 600, 4096};

size_t Smaller(size_t a, size_t b)
{
    return a < b ? a : b;
}

bool AsksForRecord(DWORD mode)
{
    return (mode & (DM_UPDATE | DM_COPY)) != 0;
}

/* Bytes a capability answer of `count` entries may write, by the sizes the
 * platform gives each entry of each list. */
size_t CapabilityBytes(WORD index, LONG count)
{
    if (count <= 0 && index != DC_MINEXTENT && index != DC_MAXEXTENT)
        return 0;
    const size_t entries = static_cast<size_t>(count);
    switch (index) {
    case DC_PAPERS:
    case DC_BINS:
        return entries * sizeof(WORD);
    case DC_PAPERSIZE:
    case DC_ENUMRESOLUTIONS:
        return entries * 2 * sizeof(LONG);
    case DC_PAPERNAMES:
    case DC_FILEDEPENDENCIES:
        return entries * 64 * sizeof(WCHAR);
    case DC_BINNAMES:
        return entries * 24 * sizeof(WCHAR);
    case DC_MINEXTENT:
    case DC_MAXEXTENT:
        return 2 * sizeof(LONG);
    default:
        return 0;
    }
}

std::vector<uint8_t> BytesOf(const uint8_t* data, size_t size)
{
    return std::vector<uint8_t>(data, data + size);
}

void PrepareLayout(uint8_t* out, FuzzRandom& random)
{
    static const uint16_t layouts[][3] = {{220, 288, 0x0402}, {188, 112, 0x0350}, {212, 288, 0x0402},
                                          {220, 0, 0x0402},   {100, 50, 0x0401},  {220, 4000, 0x0402}};
    const uint16_t* layout = layouts[random.Below(sizeof layouts / sizeof layouts[0])];
    StoreU16(out, OffsetSize, layout[0]);
    StoreU16(out, OffsetDriverExtra, layout[1]);
    StoreU16(out, OffsetDriverVersion, layout[2]);
    StoreU16(out, OffsetSpecVersion, random.OneIn(2) ? 0 : 0x0401);
}

/* Two changes a second merge makes by design, after which the record must
 * stay as it is.  A record that names a label keeps the label fields of the
 * record it was merged into when it lacks the driver's private part, and
 * gets offsets of 0 when its own were out of range; merged again, it takes
 * the label's.  The fallback paper is handed out under the
 * form name "Default"; merged again, its positive size makes it "Custom". */
bool InLabelFields(size_t offset, size_t privateStart)
{
    if (offset < privateStart)
        return false;
    const size_t at = offset - privateStart;
    return (at >= offsetof(DriverExtra, HorizontalOffset) && at < offsetof(DriverExtra, Option12)) ||
           (at >= offsetof(DriverExtra, LabelName) && at < offsetof(DriverExtra, HalftoneMethod));
}

bool InFallbackFormName(size_t offset, const std::vector<uint8_t>& record)
{
    const size_t at = offsetof(PublicDevMode, dmFormName);
    const size_t held = Smaller(RecordSize(record.data()), record.size());
    return offset >= at && offset < at + sizeof(char16_t) * FormNameChars && held > at &&
           memcmp(record.data() + at, u"Default", Smaller(held - at, sizeof(u"Default"))) == 0;
}

}  // namespace

bool DriverExports::Load(HMODULE library)
{
    if (library == nullptr)
        return false;
    DocumentSheets = reinterpret_cast<PFNPROPSHEETUI>(
        reinterpret_cast<void*>(GetProcAddress(library, "DrvDocumentPropertySheets")));
    DeviceCapabilities = reinterpret_cast<decltype(DeviceCapabilities)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DrvDeviceCapabilities")));
    QueryPrint = reinterpret_cast<decltype(QueryPrint)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DevQueryPrintEx")));
    ConvertDevMode = reinterpret_cast<decltype(ConvertDevMode)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DrvConvertDevMode")));
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    if (getClassObject == nullptr ||
        FAILED(getClassObject(ClsidTicketProvider, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return false;
    factory->CreateInstance(nullptr, IidPrintTicketProvider, reinterpret_cast<void**>(&TicketProvider));
    factory->Release();
    Ticket = CreateTicketDocument();
    return DocumentSheets != nullptr && DeviceCapabilities != nullptr && QueryPrint != nullptr &&
           ConvertDevMode != nullptr && TicketProvider != nullptr && Ticket != nullptr;
}

void DriverExports::Unload()
{
    if (TicketProvider != nullptr)
        TicketProvider->Release();
    if (Ticket != nullptr)
        Ticket->Release();
    TicketProvider = nullptr;
    Ticket = nullptr;
}

ExportFuzzer::ExportFuzzer(const DriverExports& exports, HANDLE printer)
    : exports(exports), printer(printer), input(MaxRecordBytes), output(MaxOutputBytes),
      secondInput(MaxRecordBytes), secondOutput(MaxRecordBytes), query(sizeof(DEVQUERYPRINT_INFO)),
      errorText(512)
{}

void ExportFuzzer::Report(const char* what, const std::vector<uint8_t>* record)
{
    if (findings.size() >= MaxFindings)
        return;
    std::string text = what;
    if (record != nullptr) {
        char line[64];
        snprintf(line, sizeof line, "; record of %u bytes:", static_cast<unsigned>(record->size()));
        text += line;
        for (size_t i = 0; i < record->size() && i < 600; ++i) {
            snprintf(line, sizeof line, " %02x", (*record)[i]);
            text += line;
        }
    }
    findings.push_back(text);
}

PDEVMODEW ExportFuzzer::PlaceInput(const std::vector<uint8_t>* record)
{
    if (record == nullptr)
        return nullptr;
    return reinterpret_cast<PDEVMODEW>(input.PlaceCopy(record->data(), record->size()));
}

LONG ExportFuzzer::CopyRecord(FuzzRandom& random, const std::vector<uint8_t>* record, uint64_t* calls)
{
    const DWORD mode = DocumentModes[random.Below(sizeof DocumentModes / sizeof DocumentModes[0])];
    /* What the caller sized its output from: its own record, or the
     * driver's size when it gave none. */
    size_t expected = record == nullptr ? DriverRecordBytes : RecordTotalSize(record->data());
    const DWORD cbOut = random.Below(4097);
    size_t bytes = expected;
    if (cbOut > bytes && random.OneIn(2))
        bytes = cbOut;
    uint8_t* out = output.Place(bytes);

    DOCUMENTPROPERTYHEADER header = {};
    header.cbSize = sizeof header;
    header.hPrinter = random.OneIn(8) ? nullptr : printer;
    header.pszPrinterName = const_cast<LPWSTR>(L"PDR-7300 Zr");
    header.pdmIn = PlaceInput(record);
    header.pdmOut = reinterpret_cast<PDEVMODEW>(out);
    header.cbOut = cbOut;
    header.fMode = mode;
    const LONG result = exports.DocumentSheets(nullptr, reinterpret_cast<LPARAM>(&header));
    ++*calls;

    if (header.cbOut != static_cast<DWORD>(DriverRecordBytes))
        Report("document call: cbOut is not the record size afterwards", record);
    if (!AsksForRecord(mode)) {
        if (result != (mode == 0 ? DriverRecordBytes : 1) || !output.UntouchedFrom(0))
            Report("document call without a copy: wrong answer or output written", record);
        return 0;
    }
    if (result == -1) {
        if (!output.UntouchedFrom(0))
            Report("document call failed but wrote into the output", record);
        return -1;
    }
    if (result != 1) {
        Report("document copy: result neither 1 nor -1", record);
        return result;
    }
    const size_t handedOut = RecordTotalSize(out);
    const bool fits = RecordSize(out) <= 220 && RecordExtraSize(out) <= 288 && handedOut <= expected &&
                      (record == nullptr || (RecordSize(out) <= RecordSize(record->data()) &&
                                             RecordExtraSize(out) <= RecordExtraSize(record->data())));
    if (!fits || handedOut < RecordHeaderBytes || !output.UntouchedFrom(handedOut)) {
        Report("document copy: output larger than the caller's layout or written beyond it", record);
        return 1;
    }
    CheckFixedPoint(BytesOf(out, handedOut), calls);
    return 1;
}

void ExportFuzzer::CheckFixedPoint(const std::vector<uint8_t>& handedOut, uint64_t* calls, bool secondRound)
{
    uint8_t* out = secondOutput.Place(handedOut.size());
    DOCUMENTPROPERTYHEADER header = {};
    header.cbSize = sizeof header;
    header.hPrinter = printer;
    header.pszPrinterName = const_cast<LPWSTR>(L"PDR-7300 Zr");
    header.pdmIn = reinterpret_cast<PDEVMODEW>(secondInput.PlaceCopy(handedOut.data(), handedOut.size()));
    header.pdmOut = reinterpret_cast<PDEVMODEW>(out);
    header.cbOut = static_cast<DWORD>(handedOut.size());
    header.fMode = DM_COPY;
    const LONG result = exports.DocumentSheets(nullptr, reinterpret_cast<LPARAM>(&header));
    ++*calls;
    if (result == 1 && memcmp(out, handedOut.data(), handedOut.size()) == 0)
        return;
    bool designed = result == 1;
    std::string what = "a handed-out record merged again is not the same record; differs at";
    for (size_t i = 0; i < handedOut.size(); ++i) {
        if (out[i] == handedOut[i])
            continue;
        designed = designed && (InLabelFields(i, RecordSize(out)) || InFallbackFormName(i, handedOut));
        char at[32];
        snprintf(at, sizeof at, " %u(%02x)", static_cast<unsigned>(i), out[i]);
        what += at;
    }
    if (designed && !secondRound)
        CheckFixedPoint(BytesOf(out, handedOut.size()), calls, true);
    else
        Report(what.c_str(), &handedOut);
}

void ExportFuzzer::QueryCapabilities(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                                     uint64_t* calls)
{
    WORD index = static_cast<WORD>(random.Below(21));
    if (random.OneIn(32))
        index = static_cast<WORD>(random.Next());
    PWSTR device = const_cast<PWSTR>(random.OneIn(4) ? nullptr : L"PDR-7300 Zr");
    const LONG without =
        static_cast<LONG>(exports.DeviceCapabilities(nullptr, device, index, nullptr, PlaceInput(record)));
    const size_t bytes = CapabilityBytes(index, without);
    uint8_t* out = output.Place(bytes);
    const LONG with =
        static_cast<LONG>(exports.DeviceCapabilities(nullptr, device, index, out, PlaceInput(record)));
    *calls += 2;
    if (with != without)
        Report("capabilities: the answer depends on whether a buffer was given", record);
    if (refused && without != -1)
        Report("capabilities answered for a record the document call refused", record);
    if (with == -1 && !output.UntouchedFrom(0))
        Report("capabilities failed but wrote into the buffer", record);
}

void ExportFuzzer::QueryJob(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                            uint64_t* calls)
{
    const DWORD chars = random.Below(256);
    errorText.Place(chars * sizeof(WCHAR));
    auto* info = reinterpret_cast<DEVQUERYPRINT_INFO*>(query.Place(sizeof(DEVQUERYPRINT_INFO)));
    info->cbSize = sizeof *info;
    info->Level = 1;
    info->hPrinter = printer;
    info->pDevMode = PlaceInput(record);
    info->pszErrorStr = reinterpret_cast<LPWSTR>(errorText.Data());
    info->cchErrorStr = chars;
    info->cchNeeded = 0;
    const DEVQUERYPRINT_INFO before = *info;
    const BOOL accepted = exports.QueryPrint(info);
    ++*calls;
    if (memcmp(&before, info, sizeof before) != 0 || !errorText.UntouchedFrom(0))
        Report("job query wrote into its query or error text", record);
    if (record == nullptr && !accepted)
        Report("job query held a job without a record", record);
    if (refused && accepted)
        Report("job query accepted a record the document call refused", record);
}

void ExportFuzzer::Convert(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                           uint64_t* calls)
{
    const DWORD mode = ConvertModes[random.Below(sizeof ConvertModes / sizeof ConvertModes[0])];
    LONG count = random.OneIn(2) ? ConvertCounts[random.Below(sizeof ConvertCounts / sizeof ConvertCounts[0])]
                                 : static_cast<LONG>(random.Below(4097));
    const size_t bytes = count > 0 ? static_cast<size_t>(count) : 0;
    uint8_t* out = random.OneIn(16) ? nullptr : output.Place(bytes);
    if (out != nullptr && bytes >= RecordHeaderBytes && mode == CDM_CONVERT)
        PrepareLayout(out, random);
    const std::vector<uint8_t> before = out != nullptr ? BytesOf(out, bytes) : std::vector<uint8_t>();
    const LONG given = count;
    const BOOL converted = exports.ConvertDevMode(const_cast<LPWSTR>(L"PDR-7300 Zr"), PlaceInput(record),
                                                  reinterpret_cast<PDEVMODEW>(out), &count, mode);
    ++*calls;
    if (!converted) {
        // Only the old-layout conversion prepares its header before copying.
        const size_t keep = mode == CDM_CONVERT351 ? Smaller(RecordHeaderBytes, bytes) : 0;
        if (out != nullptr && memcmp(out + keep, before.data() + keep, bytes - keep) != 0)
            Report("conversion failed but wrote into the output", record);
        return;
    }
    if (out == nullptr || count < 0 || count > given) {
        Report("conversion claims more than the caller's buffer", record);
        return;
    }
    const size_t written = static_cast<size_t>(count);
    if (memcmp(out + written, before.data() + written, bytes - written) != 0)
        Report("conversion wrote beyond the size it reported", record);
    if (refused && mode != CDM_DRIVER_DEFAULT)
        Report("conversion accepted a record the document call refused", record);
    if (mode == CDM_CONVERT && memcmp(out + OffsetSize, before.data() + OffsetSize, 4) != 0)
        Report("conversion changed the layout the caller prepared", record);
    if (written >= RecordHeaderBytes && written == RecordTotalSize(out))
        ConvertAgain(BytesOf(out, written), calls);
}

/* A converted record converted again into its own layout is unchanged. */
void ExportFuzzer::ConvertAgain(const std::vector<uint8_t>& converted, uint64_t* calls)
{
    uint8_t* out = secondOutput.Place(converted.size());
    memset(out, 0, converted.size());
    memcpy(out, converted.data(), RecordHeaderBytes);
    LONG count = static_cast<LONG>(converted.size());
    const BOOL again = exports.ConvertDevMode(
        const_cast<LPWSTR>(L"PDR-7300 Zr"),
        reinterpret_cast<PDEVMODEW>(secondInput.PlaceCopy(converted.data(), converted.size())),
        reinterpret_cast<PDEVMODEW>(out), &count, CDM_CONVERT);
    ++*calls;
    if (!again || memcmp(out, converted.data(), converted.size()) != 0)
        Report("a converted record converted again into its layout changed", &converted);
}

/* The provider reads no byte beyond the size it is given (the record sits
 * against a no-access page), refuses what the document call refuses, and
 * gives a ticket for what it accepts. */
void ExportFuzzer::ConvertToTicket(FuzzRandom& random, const std::vector<uint8_t>* record, bool refused,
                                   uint64_t* calls)
{
    const ULONG held = record != nullptr ? static_cast<ULONG>(record->size()) : 0;
    const ULONG bytes = random.OneIn(4) ? static_cast<ULONG>(random.Below(held + 1)) : held;
    std::vector<uint8_t> given;
    if (record != nullptr)
        given.assign(record->begin(), record->begin() + bytes);
    PDEVMODEW placed = PlaceInput(record != nullptr ? &given : nullptr);
    const HRESULT result = exports.TicketProvider->ConvertDevModeToPrintTicket(bytes, placed, exports.Ticket);
    ++*calls;
    if (record == nullptr && result != E_POINTER)
        Report("ticket conversion of no record did not answer E_POINTER", record);
    else if (result != S_OK && result != E_INVALIDARG && result != E_POINTER)
        Report("ticket conversion answered neither S_OK nor E_INVALIDARG", record);
    else if (result == S_OK && refused && bytes == held)
        Report("ticket conversion accepted a record the document call refused", record);
    else if (result == S_OK) {
        IXMLDOMElement* root = nullptr;
        if (exports.Ticket->get_documentElement(&root) != S_OK || root == nullptr)
            Report("ticket conversion succeeded without a ticket", record);
        if (root != nullptr)
            root->Release();
    }
}

uint64_t ExportFuzzer::RunCase(FuzzRandom& random, const std::vector<uint8_t>& record)
{
    uint64_t calls = 0;
    const std::vector<uint8_t>* given = random.OneIn(16) ? nullptr : &record;
    // The silent copy tells whether the record is refused; every other
    // export must then refuse it too.
    bool refused = false;
    for (int attempt = 0; attempt < 2 && !refused; ++attempt)
        refused = CopyRecord(random, given, &calls) == -1 && given != nullptr;
    QueryCapabilities(random, given, refused, &calls);
    QueryJob(random, given, refused, &calls);
    Convert(random, given, refused, &calls);
    ConvertToTicket(random, given, refused, &calls);
    return calls;
}
