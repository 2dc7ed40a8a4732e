#include "manage_labels_recording.h"

#include <functional>

#include "catalogues.h"
#include "control_dump.h"
#include "document_sheet_recording.h"
#include "resources/resource_ids.h"
#include "sheet_driving.h"

namespace {

const DWORD DialogWaitMilliseconds = 10000;

struct DialogSearch {
    HWND sheet;
    HWND found;
};

BOOL CALLBACK MatchManageLabels(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    if (window != search->sheet && IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0 &&
        GetDlgItem(window, IDC_MANAGE_LIST) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/* The dialog on the sheet's thread, found by its list rather than by its
 * caption, which is in the language of the run. */
HWND WaitForManageLabels(HWND sheet)
{
    const DWORD thread = GetWindowThreadProcessId(sheet, nullptr);
    for (DWORD waited = 0; waited < DialogWaitMilliseconds; waited += 20) {
        DialogSearch search = {sheet, nullptr};
        EnumThreadWindows(thread, MatchManageLabels, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

bool WaitGone(HWND window)
{
    for (DWORD waited = 0; waited < DialogWaitMilliseconds && IsWindow(window); waited += 20)
        Sleep(20);
    return !IsWindow(window);
}

/* As a user types: the edit takes the focus first (the list reacts to
 * losing it), then its text is replaced. */
void Type(HWND dialog, int id, const wchar_t* text)
{
    HWND edit = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Press(HWND dialog, int id)
{
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SelectEntry(HWND dialog, int index)
{
    HWND list = GetDlgItem(dialog, IDC_MANAGE_LIST);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MANAGE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

struct LabelFields {
    const wchar_t* Name;
    const wchar_t* Width;
    const wchar_t* Length;
    const wchar_t* Horizontal;
    const wchar_t* Vertical;
};

void Fill(HWND dialog, const LabelFields& fields)
{
    Type(dialog, IDC_MANAGE_NAME, fields.Name);
    Type(dialog, IDC_MANAGE_WIDTH, fields.Width);
    Type(dialog, IDC_MANAGE_LENGTH, fields.Length);
    Type(dialog, IDC_MANAGE_HORZ_OFFSET, fields.Horizontal);
    Type(dialog, IDC_MANAGE_VERT_OFFSET, fields.Vertical);
}

std::string Describe(const LabelFields& fields)
{
    return Quoted(fields.Name) + " " + Quoted(fields.Width) + " " + Quoted(fields.Length) + " " +
           Quoted(fields.Horizontal) + " " + Quoted(fields.Vertical);
}

/* A document sheet on the Label page with the dialog opened from it. */
class ManageLabelsRun {
public:
    ManageLabelsRun(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                    const CallerInput& input)
        : log(log), run(log, driver, printer, input, DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY)
    {}

    bool Open()
    {
        SheetSession* sheet = run.Open();
        if (sheet == nullptr)
            return false;
        log.Add("open manage labels");
        sheet->ClickLater(IDC_LABEL_MANAGE);
        dialog = WaitForManageLabels(sheet->Sheet());
        if (dialog == nullptr) {
            log.Add("manage labels did not open");
            return false;
        }
        log.Add("dialog caption " + Quoted(WindowText(dialog)));
        RecordControls(log, dialog);
        return true;
    }

    /* One step on the dialog, recorded with the boxes it brought and the
     * dialog's controls after it; nothing once the dialog has gone. */
    void Step(const std::string& what, const std::function<void(HWND)>& action)
    {
        if (dialog == nullptr || !IsWindow(dialog))
            return;
        log.Add("step " + what);
        action(dialog);
        RecordMessageBoxes(log, *run.Session());
        if (!IsWindow(dialog)) {
            log.Add("dialog closed");
            return;
        }
        RecordControls(log, dialog);
    }

    void Add(const LabelFields& fields)
    {
        Step("add " + Describe(fields), [&](HWND d) {
            Fill(d, fields);
            Press(d, IDC_MANAGE_ADD);
        });
    }

    void Modify(const LabelFields& fields)
    {
        Step("modify " + Describe(fields), [&](HWND d) {
            Fill(d, fields);
            Press(d, IDC_MANAGE_MODIFY);
        });
    }

    /* Presses OK or Cancel and waits for the dialog to end, unless it
     * refused with a message box and stays. */
    void PressClosing(HWND dialog, int id)
    {
        Press(dialog, id);
        if (run.Session()->MessageBoxes().empty())
            WaitGone(dialog);
    }

    /* OK or Cancel on the dialog (Cancel after a refused OK); then the
     * catalogue file, the Label page, and the sheet closed with OK. */
    void Finish(bool ok)
    {
        Step(ok ? "press dialog OK" : "press dialog Cancel",
             [=](HWND d) { PressClosing(d, ok ? IDOK : IDCANCEL); });
        Step("press dialog Cancel", [=](HWND d) { PressClosing(d, IDCANCEL); });
        log.Add("catalogue after the dialog " + DescribeCatalogue());
        if (SheetSession* sheet = run.Session()) {
            // The page refills its list after the dialog's window is gone;
            // a message sent to it is handled only once that is done.
            sheet->SendToPage(WM_NULL, 0, 0);
            RecordCurrentPage(log, *sheet);
        }
        run.Finish(true);
    }

private:
    ObservationLog& log;
    DocumentSheetRun run;
    HWND dialog = nullptr;
};

void EditingScenario(ManageLabelsRun& run)
{
    for (int entry : {1, 2})
        run.Step(Format("select entry %d", entry), [=](HWND d) { SelectEntry(d, entry); });
    for (const auto& units :
         {std::make_pair("inches", IDC_MANAGE_INCHES), std::make_pair("inches", IDC_MANAGE_INCHES),
          std::make_pair("mm", IDC_MANAGE_MM)})
        run.Step(std::string("click ") + units.first, [=](HWND d) { Press(d, units.second); });
    run.Step("select entry 0", [](HWND d) { SelectEntry(d, 0); });
    run.Step("click mm", [](HWND d) { Press(d, IDC_MANAGE_MM); });
    run.Step("click inches", [](HWND d) { Press(d, IDC_MANAGE_INCHES); });
    const LabelFields adds[] = {{L"  New label \t", L"3.5", L"2", L"5", L"-5"},
                                {L"Too narrow", L"0.39", L"2", L"0", L"0"},
                                {L"Too wide", L"5.07", L"2", L"0", L"0"},
                                {L"Too long", L"0.40", L"121", L"0", L"0"},
                                {L"Offset", L"5.06", L"120", L"1201", L"0"},
                                {L"Offset", L"5.06", L"120", L"+5", L"-1201"},
                                {L"Offset", L"5.06", L"120", L"12.9", L"abc"},
                                {L"", L"4", L"6", L"0", L"0"},
                                {L"   ", L"4", L"6", L"0", L"0"},
                                {L"vial", L"4", L"6", L"0", L"0"},
                                {L"\u00c9tiquette \u00fc", L"4", L"6", L"-1200", L"1200"}};
    for (const LabelFields& fields : adds)
        run.Add(fields);
    run.Step("click mm", [](HWND d) { Press(d, IDC_MANAGE_MM); });
    run.Add({L"Metric", L"128.7", L"3048", L"0", L"0"});
    run.Add({L"Metric too wide", L"128.71", L"3048", L"0", L"0"});
    run.Step("select entry 0", [](HWND d) { SelectEntry(d, 0); });
    run.Modify({L"SHIPPING 4X6", L"4.10", L"6", L"1", L"2"});
    run.Modify({L"Vial", L"4.10", L"6", L"1", L"2"});
    run.Step("select entry 3", [](HWND d) { SelectEntry(d, 3); });
    run.Step("delete", [](HWND d) { Press(d, IDC_MANAGE_DELETE); });
    run.Modify({L"Nothing selected", L"4", L"6", L"0", L"0"});
    run.Modify({L"Nothing selected", L"9", L"6", L"0", L"0"});
    run.Step("delete with nothing selected", [](HWND d) { Press(d, IDC_MANAGE_DELETE); });
    run.Finish(true);
}

void FullCatalogueScenario(ManageLabelsRun& run)
{
    run.Add({L"Extra", L"4.00", L"6.00", L"0", L"0"});
    run.Step("select entry 5", [](HWND d) { SelectEntry(d, 5); });
    run.Step("delete", [](HWND d) { Press(d, IDC_MANAGE_DELETE); });
    run.Add({L"Extra", L"4.00", L"6.00", L"0", L"0"});
    run.Add({L"One more", L"4.00", L"6.00", L"0", L"0"});
    run.Finish(false);
}

void EmptyCatalogueScenario(ManageLabelsRun& run)
{
    run.Add({L"First", L"4.00", L"6.00", L"0", L"0"});
    run.Add({L"Second", L"2", L"1", L"-3", L"3"});
    run.Step("select entry 1", [](HWND d) { SelectEntry(d, 1); });
    run.Finish(true);
}

void TenthsScenario(ManageLabelsRun& run)
{
    run.Modify({L"Tenths", L"1016", L"1524", L"5", L"-5"});
    run.Step("click mm", [](HWND d) { Press(d, IDC_MANAGE_MM); });
    run.Step("modify as shown", [](HWND d) { Press(d, IDC_MANAGE_MODIFY); });
    run.Step("select entry 1", [](HWND d) { SelectEntry(d, 1); });
    run.Step("click inches", [](HWND d) { Press(d, IDC_MANAGE_INCHES); });
    run.Step("modify as shown", [](HWND d) { Press(d, IDC_MANAGE_MODIFY); });
    run.Finish(true);
}

void FailedSaveScenario(ManageLabelsRun& run)
{
    run.Add({L"Not saved", L"4.00", L"6.00", L"0", L"0"});
    run.Step("make the catalogue read-only and press OK", [&](HWND d) {
        SetFileAttributesW(CataloguePath().c_str(), FILE_ATTRIBUTE_READONLY);
        run.PressClosing(d, IDOK);
    });
    SetFileAttributesW(CataloguePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    run.Finish(false);
}

}  // namespace

void RecordManageLabels(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                        const std::vector<CallerInput>& inputs)
{
    // The record names a label of the catalogues, so that the Label page's
    // selection after the dialog follows it.
    const CallerInput* input = FindInput(inputs, "label258-own-fields");
    if (input == nullptr) {
        log.Add("manage-labels no input named label258-own-fields");
        return;
    }
    const struct {
        const char* Name;
        std::string Catalogue;
        void (*Scenario)(ManageLabelsRun&);
    } scenarios[] = {{"editing", MixedCatalogue(), EditingScenario},
                     {"full", NumberedCatalogue(128), FullCatalogueScenario},
                     {"empty", EmptyCatalogue(), EmptyCatalogueScenario},
                     {"tenths", TenthsFirstCatalogue(), TenthsScenario},
                     {"failed-save", MixedCatalogue(), FailedSaveScenario}};
    UseVersionText(L"1.2.3");
    printer.UseOptions(1, 1);
    for (const auto& scenario : scenarios) {
        ObservationLog::Scope scope(log, std::string("manage-labels ") + scenario.Name);
        UseCatalogue(scenario.Catalogue);
        ManageLabelsRun run(log, driver, printer, *input);
        if (run.Open())
            scenario.Scenario(run);
        else
            run.Finish(false);
    }
}
