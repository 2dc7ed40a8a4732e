/*
 * The printing-preferences sheet, hosted by the platform's property-sheet
 * host with the recorded DLL's DrvDocumentPropertySheets: every page's
 * controls for several input records, a scripted session of user steps
 * with options installed and not, Cancel, and the open modes; each ends
 * with the output record, the sheet's results and the catalogue file.
 */
#ifndef PDR_EQUIVALENCE_DOCUMENT_SHEET_RECORDING_H
#define PDR_EQUIVALENCE_DOCUMENT_SHEET_RECORDING_H

#include <functional>
#include <memory>
#include <vector>

#include "driver_contract.h"
#include "input_records.h"
#include "machine_state.h"
#include "observation_log.h"
#include "sheet_session.h"

/* One document sheet on one input record into an output buffer sized
 * from it, open from construction to Finish. */
class DocumentSheetRun {
public:
    DocumentSheetRun(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                     const CallerInput& input, DWORD mode);
    /* Null (and a line saying so) when the sheet did not appear. */
    SheetSession* Open();
    /* One user step, recorded (RecordStep); nothing once the sheet closed. */
    void Step(const std::string& what, const std::function<void(SheetSession&)>& action);
    /* OK or Cancel, recording whether the sheet closed. */
    void Press(bool ok);
    /* OK or Cancel; a sheet still open after it is cancelled.  Then the
     * output buffer, the catalogue and the printer's data. */
    void Finish(bool ok);
    /* The open sheet; null before Open, when it failed, and after Finish. */
    SheetSession* Session()
    {
        return sheet.get();
    }

private:
    ObservationLog& log;
    const DriverUnderTest& driver;
    RecordedPrinter& printer;
    InputArea input;
    std::vector<uint8_t> output;
    contract::DocumentPropertyHeader header = {};
    std::unique_ptr<SheetSession> sheet;
};

void RecordDocumentSheets(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                          const std::vector<CallerInput>& inputs);

#endif
