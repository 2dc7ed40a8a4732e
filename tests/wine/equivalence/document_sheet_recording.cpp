#include "document_sheet_recording.h"

#include "catalogues.h"
#include "resources/resource_ids.h"
#include "sheet_driving.h"

namespace {

const DWORD PromptAndCopy = DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY;
const uint8_t OutputGuard = 0xEE;
const size_t OutputTail = 64;
const int PageCount = 7;
enum { LabelPage, HalftonePage, IntensityPage, ColorPage, LayoutPage, FeaturesPage, AboutPage };
wchar_t PrinterName[] = L"PDR-7300 Zr";

void LabelSteps(DocumentSheetRun& run)
{
    run.Step("select label page", [](SheetSession& s) { SelectPageNow(s, LabelPage); });
    for (int index : {2, 6, 4, 0})
        run.Step(Format("choose label %d", index),
                 [=](SheetSession& s) { ChooseItem(s, IDC_LABEL_COMBO, index); });
}

void HalftoneSteps(DocumentSheetRun& run)
{
    run.Step("select halftone page", [](SheetSession& s) { SelectPageNow(s, HalftonePage); });
    run.Step("click photographic", [](SheetSession& s) { s.Click(IDC_HALFTONE_PHOTOGRAPHIC); });
    const struct {
        const char* Name;
        int Bar;
        WORD Code;
        WORD Position;
    } scrolls[] = {{"intensity line right", IDC_HALFTONE_INTENSITY_SCROLL, SB_LINERIGHT, 0},
                   {"intensity page right", IDC_HALFTONE_INTENSITY_SCROLL, SB_PAGERIGHT, 0},
                   {"intensity line right at end", IDC_HALFTONE_INTENSITY_SCROLL, SB_LINERIGHT, 0},
                   {"sharpness line left", IDC_HALFTONE_SHARPNESS_SCROLL, SB_LINELEFT, 0},
                   {"sharpness page left", IDC_HALFTONE_SHARPNESS_SCROLL, SB_PAGELEFT, 0},
                   {"sharpness track 0", IDC_HALFTONE_SHARPNESS_SCROLL, SB_THUMBTRACK, 0},
                   {"sharpness line left at end", IDC_HALFTONE_SHARPNESS_SCROLL, SB_LINELEFT, 0},
                   {"sharpness track 2", IDC_HALFTONE_SHARPNESS_SCROLL, SB_THUMBTRACK, 2},
                   {"intensity end scroll", IDC_HALFTONE_INTENSITY_SCROLL, SB_ENDSCROLL, 0}};
    for (const auto& scroll : scrolls)
        run.Step(std::string("scroll ") + scroll.Name,
                 [=](SheetSession& s) { s.Scroll(scroll.Bar, scroll.Code, scroll.Position); });
    for (const auto& click :
         {std::make_pair("error diffusion", IDC_HALFTONE_DIFFUSION),
          std::make_pair("fast", IDC_HALFTONE_FAST), std::make_pair("fine", IDC_HALFTONE_FINE),
          std::make_pair("smoothing", IDC_HALFTONE_SMOOTHING),
          std::make_pair("optimum", IDC_HALFTONE_OPTIMUM), std::make_pair("coarse", IDC_HALFTONE_COARSE)})
        run.Step(std::string("click ") + click.first, [=](SheetSession& s) { s.Click(click.second); });
}

void IntensitySteps(DocumentSheetRun& run)
{
    run.Step("select intensity page", [](SheetSession& s) { SelectPageNow(s, IntensityPage); });
    const struct {
        int Edit;
        const wchar_t* Text;
    } edits[] = {{IDC_INTENSITY_HEAD2, L"40"}, {IDC_INTENSITY_HEAD2, L"12abc"}, {IDC_INTENSITY_HEAD4, L" 7"},
                 {IDC_INTENSITY_HEAD1, L"0"},  {IDC_INTENSITY_HEAD3, L"-5"},    {IDC_INTENSITY_HEAD1, L""},
                 {IDC_INTENSITY_HEAD1, L"1"},  {IDC_INTENSITY_HEAD3, L"32"}};
    for (const auto& edit : edits) {
        run.Step(Format("type head edit %d ", edit.Edit) + Quoted(edit.Text),
                 [=](SheetSession& s) { s.SetText(edit.Edit, edit.Text); });
        run.Step("try to leave for the color page", [](SheetSession& s) { SelectPageNow(s, ColorPage); });
        run.Step("back to the intensity page", [](SheetSession& s) { SelectPageNow(s, IntensityPage); });
    }
    run.Step("choose speed 7", [](SheetSession& s) { ChooseItem(s, IDC_INTENSITY_SPEED, 5); });
}

void ColorSteps(DocumentSheetRun& run)
{
    run.Step("select color page", [](SheetSession& s) { SelectPageNow(s, ColorPage); });
    const struct {
        const char* Name;
        int Bar;
        WORD Code;
        WORD Position;
    } scrolls[] = {{"red line right", IDC_COLOR_RED_SCROLL, SB_LINERIGHT, 0},
                   {"green page left", IDC_COLOR_GREEN_SCROLL, SB_PAGELEFT, 0},
                   {"blue track 150", IDC_COLOR_BLUE_SCROLL, SB_THUMBTRACK, 150},
                   {"brightness page right", IDC_COLOR_BRIGHTNESS_SCROLL, SB_PAGERIGHT, 0},
                   {"contrast line left", IDC_COLOR_CONTRAST_SCROLL, SB_LINELEFT, 0},
                   {"contrast track 0", IDC_COLOR_CONTRAST_SCROLL, SB_THUMBTRACK, 0},
                   {"contrast line left at end", IDC_COLOR_CONTRAST_SCROLL, SB_LINELEFT, 0},
                   {"red track 200", IDC_COLOR_RED_SCROLL, SB_THUMBTRACK, 200},
                   {"red page right at end", IDC_COLOR_RED_SCROLL, SB_PAGERIGHT, 0},
                   {"green to left end", IDC_COLOR_GREEN_SCROLL, SB_LEFT, 0}};
    for (const auto& scroll : scrolls)
        run.Step(std::string("scroll ") + scroll.Name,
                 [=](SheetSession& s) { s.Scroll(scroll.Bar, scroll.Code, scroll.Position); });
    run.Step("click cmyk", [](SheetSession& s) { s.Click(IDC_COLOR_CMYK); });
    run.Step("click cmy on back", [](SheetSession& s) { s.Click(IDC_COLOR_CMY_ON_BACK); });
    run.Step("click spot", [](SheetSession& s) { s.Click(IDC_COLOR_SPOT); });
    run.Step("click head 2", [](SheetSession& s) { s.Click(IDC_COLOR_HEAD2); });
    run.Step("click head 4", [](SheetSession& s) { s.Click(IDC_COLOR_HEAD4); });
    run.Step("click exact match", [](SheetSession& s) { s.Click(IDC_COLOR_EXACT_MATCH); });
    for (int swatch : {IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD3_SWATCH, IDC_COLOR_HEAD4_SWATCH})
        run.Step(Format("mouse over swatch %d", swatch), [=](SheetSession& s) { MoveMouseOver(s, swatch); });
    run.Step("mouse away", [](SheetSession& s) { MoveMouseAway(s); });
    run.Step("see the halftone page in spot mode", [](SheetSession& s) { SelectPageNow(s, HalftonePage); });
    run.Step("back to the color page", [](SheetSession& s) { SelectPageNow(s, ColorPage); });
    run.Step("click process", [](SheetSession& s) { s.Click(IDC_COLOR_PROCESS); });
    run.Step("see the halftone page in process mode",
             [](SheetSession& s) { SelectPageNow(s, HalftonePage); });
    run.Step("back to the color page", [](SheetSession& s) { SelectPageNow(s, ColorPage); });
    run.Step("click spot again", [](SheetSession& s) { s.Click(IDC_COLOR_SPOT); });
}

void LayoutSteps(DocumentSheetRun& run)
{
    run.Step("select layout page", [](SheetSession& s) { SelectPageNow(s, LayoutPage); });
    run.Step("click landscape", [](SheetSession& s) { s.Click(IDC_LAYOUT_LANDSCAPE); });
    for (const wchar_t* copies : {L"0", L"25001", L"", L"7"}) {
        run.Step("type copies " + Quoted(copies),
                 [=](SheetSession& s) { s.SetText(IDC_LAYOUT_COPIES, copies); });
        run.Step("try to leave for the features page",
                 [](SheetSession& s) { SelectPageNow(s, FeaturesPage); });
        run.Step("back to the layout page", [](SheetSession& s) { SelectPageNow(s, LayoutPage); });
    }
    run.Step("click always use driver setting",
             [](SheetSession& s) { s.Click(IDC_LAYOUT_ALWAYS_USE_DRIVER); });
}

void FeaturesSteps(DocumentSheetRun& run)
{
    run.Step("select features page", [](SheetSession& s) { SelectPageNow(s, FeaturesPage); });
    run.Step("click cutter", [](SheetSession& s) { s.Click(IDC_FEATURES_CUTTER); });
    for (const wchar_t* every : {L"1", L"2", L"0", L"1000"})
        run.Step("type cut every " + Quoted(every),
                 [=](SheetSession& s) { s.SetText(IDC_FEATURES_CUT_EVERY, every); });
    for (const wchar_t* offset : {L"-1300", L"1201", L"-12"}) {
        run.Step("type cut offset " + Quoted(offset),
                 [=](SheetSession& s) { s.SetText(IDC_FEATURES_CUT_OFFSET, offset); });
        run.Step("try to leave for the about page", [](SheetSession& s) { SelectPageNow(s, AboutPage); });
        run.Step("back to the features page", [](SheetSession& s) { SelectPageNow(s, FeaturesPage); });
    }
    run.Step("click pullback", [](SheetSession& s) { s.Click(IDC_FEATURES_PULLBACK); });
    run.Step("click automatic", [](SheetSession& s) { s.Click(IDC_FEATURES_AUTOMATIC); });
    run.Step("click manual", [](SheetSession& s) { s.Click(IDC_FEATURES_MANUAL); });
    run.Step("click automatic", [](SheetSession& s) { s.Click(IDC_FEATURES_AUTOMATIC); });
    run.Step("click tapethrift", [](SheetSession& s) { s.Click(IDC_FEATURES_TAPETHRIFT); });
    run.Step("type cut every \"abc\"", [](SheetSession& s) { s.SetText(IDC_FEATURES_CUT_EVERY, L"abc"); });
    run.Step("click cutter", [](SheetSession& s) { s.Click(IDC_FEATURES_CUTTER); });
}

/* The whole script: every page, invalid values on the pages that check,
 * a refused OK, then an accepted one. */
void ScriptedSession(DocumentSheetRun& run)
{
    LabelSteps(run);
    HalftoneSteps(run);
    IntensitySteps(run);
    ColorSteps(run);
    LayoutSteps(run);
    FeaturesSteps(run);
    run.Press(true);
    run.Step("click cutter", [](SheetSession& s) { s.Click(IDC_FEATURES_CUTTER); });
    run.Step("type cut every \"3\"", [](SheetSession& s) { s.SetText(IDC_FEATURES_CUT_EVERY, L"3"); });
    run.Step("select about page", [](SheetSession& s) { SelectPageNow(s, AboutPage); });
    run.Finish(true);
}

}  // namespace

DocumentSheetRun::DocumentSheetRun(ObservationLog& log, const DriverUnderTest& driver,
                                   RecordedPrinter& printer, const CallerInput& caller, DWORD mode)
    : log(log), driver(driver), printer(printer), output(OutputSizeFor(caller) + OutputTail, OutputGuard)
{
    header.cbSize = sizeof header;
    header.hPrinter = printer.Handle();
    header.pszPrinterName = PrinterName;
    header.pdmIn = input.Place(caller);
    header.pdmOut = reinterpret_cast<PDEVMODEW>(output.data());
    header.cbOut = static_cast<DWORD>(output.size() - OutputTail);
    header.fMode = mode;
}

SheetSession* DocumentSheetRun::Open()
{
    sheet = OpenSheet(driver.DocumentSheets, reinterpret_cast<LPARAM>(&header));
    if (sheet == nullptr) {
        log.Add("sheet did not open");
        return nullptr;
    }
    log.Add(Format("opened header cbOut=%lu", header.cbOut));
    RecordSheetFrame(log, *sheet);
    RecordCurrentPage(log, *sheet);
    return sheet.get();
}

void DocumentSheetRun::Step(const std::string& what, const std::function<void(SheetSession&)>& action)
{
    if (sheet != nullptr)
        RecordStep(log, *sheet, what, action);
}

void DocumentSheetRun::Press(bool ok)
{
    if (sheet != nullptr && !sheet->WaitClosed(0))
        PressAndRecord(log, *sheet, ok);
}

void DocumentSheetRun::Finish(bool ok)
{
    Press(ok);
    if (sheet != nullptr) {
        CloseIfOpen(log, *sheet);
        sheet.reset();
    }
    log.Add("output " + Hex(output.data(), output.size()));
    if (!input.Unchanged())
        log.Add("the sheet wrote into its input record");
    log.Add("catalogue " + DescribeCatalogue());
    for (const wchar_t* name : {L"Pullback", L"Cutter", L"Forms?", L"Permission"})
        log.Add("printer " + Quoted(name) + " " + printer.DescribeValue(name));
}

namespace {

/* The named input, or a line saying that there is none. */
const CallerInput* InputOrNote(ObservationLog& log, const std::vector<CallerInput>& inputs, const char* name)
{
    const CallerInput* input = FindInput(inputs, name);
    if (input == nullptr)
        log.Add(std::string("no input named ") + name);
    return input;
}

/* Every page as each of a few records opens it, then OK. */
void RecordPagesOverInputs(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                           const std::vector<CallerInput>& inputs)
{
    UseVersionText(L"1.2.3");
    for (const char* name : {"none", "default", "label258-own-fields", "sheet-spot-photographic",
                             "layout-188-112-0350", "foreign-signature", "label259"}) {
        ObservationLog::Scope scope(log, std::string("pages rec=") + name);
        const CallerInput* input = InputOrNote(log, inputs, name);
        if (input == nullptr)
            continue;
        UseCatalogue(MixedCatalogue());
        printer.UseOptions(1, 1);
        printer.ForgetMarkers();
        DocumentSheetRun run(log, driver, printer, *input, PromptAndCopy);
        if (run.Open() != nullptr)
            for (int page = 0; page < PageCount; ++page)
                run.Step(Format("select page %d", page), [=](SheetSession& s) { SelectPageNow(s, page); });
        run.Finish(true);
    }
}

/* The scripted session on the defaults, with the options installed and
 * without them (and without a version text). */
void RecordScriptedSessions(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                            const std::vector<CallerInput>& inputs)
{
    const struct {
        const char* Name;
        int Pullback;
        int Cutter;
        const wchar_t* Version;
    } setups[] = {{"options-installed", 1, 1, L"1.2.3"}, {"options-absent", -1, 0, nullptr}};
    for (const auto& setup : setups) {
        ObservationLog::Scope scope(log, std::string("script ") + setup.Name);
        const CallerInput* input = InputOrNote(log, inputs, "default");
        if (input == nullptr)
            continue;
        UseCatalogue(MixedCatalogue());
        UseVersionText(setup.Version);
        printer.UseOptions(setup.Pullback, setup.Cutter);
        printer.ForgetMarkers();
        DocumentSheetRun run(log, driver, printer, *input, PromptAndCopy);
        if (run.Open() != nullptr)
            ScriptedSession(run);
        else
            run.Finish(false);
    }
}

/* A few changes under each open mode, then Cancel or OK. */
void RecordOpenModes(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                     const std::vector<CallerInput>& inputs)
{
    UseVersionText(L"1.2.3");
    const struct {
        const char* Name;
        DWORD Mode;
        bool Ok;
    } modes[] = {{"cancel", PromptAndCopy, false},
                 {"no-permission", PromptAndCopy | contract::NoPermission, true},
                 {"update", DM_IN_PROMPT | DM_OUT_BUFFER | DM_UPDATE, true},
                 {"prompt-only", DM_IN_PROMPT | DM_OUT_BUFFER, true}};
    for (const auto& mode : modes) {
        ObservationLog::Scope scope(log, std::string("mode ") + mode.Name);
        const CallerInput* input = InputOrNote(log, inputs, "label258-own-fields");
        if (input == nullptr)
            continue;
        UseCatalogue(MixedCatalogue());
        printer.UseOptions(1, 1);
        DocumentSheetRun run(log, driver, printer, *input, mode.Mode);
        if (run.Open() != nullptr) {
            run.Step("choose label 1", [](SheetSession& s) { ChooseItem(s, IDC_LABEL_COMBO, 1); });
            run.Step("select layout page", [](SheetSession& s) { SelectPageNow(s, LayoutPage); });
            run.Step("click landscape", [](SheetSession& s) { s.Click(IDC_LAYOUT_LANDSCAPE); });
        }
        run.Finish(mode.Ok);
    }
}

}  // namespace

void RecordDocumentSheets(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                          const std::vector<CallerInput>& inputs)
{
    ObservationLog::Scope scope(log, "document-sheet");
    RecordPagesOverInputs(log, driver, printer, inputs);
    RecordScriptedSessions(log, driver, printer, inputs);
    RecordOpenModes(log, driver, printer, inputs);
}
