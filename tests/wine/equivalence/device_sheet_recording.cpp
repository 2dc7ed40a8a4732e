#include "device_sheet_recording.h"

#include "resources/resource_ids.h"
#include "sheet_driving.h"

namespace {

wchar_t PrinterName[] = L"PDR-7300 Zr";

}  // namespace

void RecordDeviceSheets(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer)
{
    const struct {
        const char* Name;
        int Pullback;
        int Cutter;
        const wchar_t* Version;
        bool Ok;
    } setups[] = {{"pullback-ok", 1, 0, L"1.2.3", true},
                  {"cutter-cancel", -1, 1, nullptr, false},
                  {"other-values-ok", 2, 7, L"sixteen chars..", true},
                  {"long-version-ok", 0, 1, L"seventeen chars..", true}};
    for (const auto& setup : setups) {
        ObservationLog::Scope scope(log, std::string("device-sheet ") + setup.Name);
        printer.UseOptions(setup.Pullback, setup.Cutter);
        printer.ForgetMarkers();
        UseVersionText(setup.Version);
        contract::DevicePropertyHeader header = {};
        header.cbSize = sizeof header;
        header.hPrinter = printer.Handle();
        header.pszPrinterName = PrinterName;
        std::unique_ptr<SheetSession> sheet =
            OpenSheet(driver.DeviceSheets, reinterpret_cast<LPARAM>(&header));
        if (sheet == nullptr) {
            log.Add("sheet did not open");
        } else {
            log.Add(Format("opened header flags=%u", header.Flags));
            RecordSheetFrame(log, *sheet);
            RecordCurrentPage(log, *sheet);
            RecordStep(log, *sheet, "click pullback installed",
                       [](SheetSession& s) { s.Click(IDC_DEVICE_PULLBACK_INSTALLED); });
            RecordStep(log, *sheet, "click cutter connected",
                       [](SheetSession& s) { s.Click(IDC_DEVICE_CUTTER_CONNECTED); });
            PressAndRecord(log, *sheet, setup.Ok);
            CloseIfOpen(log, *sheet);
            sheet.reset();
        }
        for (const wchar_t* name : {L"Pullback", L"Cutter", L"Forms?", L"Permission"})
            log.Add("printer " + Quoted(name) + " " + printer.DescribeValue(name));
    }
}
