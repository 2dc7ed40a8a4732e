#include "sheet_driving.h"

#include <commctrl.h>
#include <prsht.h>

#include "control_dump.h"

namespace {

const DWORD CloseWaitMilliseconds = 10000;

bool IsPage(HWND window)
{
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

}  // namespace

std::unique_ptr<SheetSession> OpenSheet(PFNPROPSHEETUI entry, LPARAM header)
{
    std::unique_ptr<SheetSession> sheet = SheetSession::Open(entry, header);
    // The sheet window can be up before its first page exists.
    for (int waited = 0; sheet != nullptr && sheet->CurrentPage() == nullptr && waited < 5000; waited += 20)
        Sleep(20);
    return sheet;
}

int CurrentPageIndex(SheetSession& sheet)
{
    HWND page = sheet.CurrentPage();
    if (page == nullptr)
        return -1;
    return static_cast<int>(SendMessageW(sheet.Sheet(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

void RecordSheetFrame(ObservationLog& log, SheetSession& sheet)
{
    ObservationLog::Scope scope(log, "frame");
    log.Add("caption " + Quoted(WindowText(sheet.Sheet())));
    const int pages = sheet.PageCount();
    log.Add(Format("pages=%d current=%d", pages, CurrentPageIndex(sheet)));
    for (int i = 0; i < pages; ++i)
        log.Add(Format("page %d title ", i) + Quoted(sheet.PageTitle(i)));
    RecordControls(log, sheet.Sheet());
}

void RecordMessageBoxes(ObservationLog& log, SheetSession& sheet)
{
    for (const CapturedMessageBox& box : sheet.MessageBoxes())
        log.Add("message-box caption=" + Quoted(box.Caption) + " text=" + Quoted(box.Text));
    sheet.ClearMessageBoxes();
}

void RecordCurrentPage(ObservationLog& log, SheetSession& sheet)
{
    const int index = CurrentPageIndex(sheet);
    ObservationLog::Scope scope(log, Format("page=%d", index));
    HWND page = sheet.CurrentPage();
    if (page != nullptr && IsPage(page))
        RecordControls(log, page);
}

void SelectPageNow(SheetSession& sheet, int index)
{
    SendMessageW(sheet.Sheet(), PSM_SETCURSEL, index, 0);
}

void RecordStep(ObservationLog& log, SheetSession& sheet, const std::string& what,
                const std::function<void(SheetSession&)>& action)
{
    if (sheet.WaitClosed(0))
        return;
    log.Add("step " + what);
    action(sheet);
    RecordMessageBoxes(log, sheet);
    if (sheet.WaitClosed(0)) {
        log.Add("closed");
        return;
    }
    RecordCurrentPage(log, sheet);
}

void ChooseItem(SheetSession& sheet, int comboId, int index)
{
    HWND combo = sheet.Control(comboId);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    sheet.SendToPage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void MoveMouseOver(SheetSession& sheet, int controlId)
{
    RECT page;
    RECT control;
    GetWindowRect(sheet.CurrentPage(), &page);
    GetWindowRect(sheet.Control(controlId), &control);
    const int x = (control.left + control.right) / 2 - page.left;
    const int y = (control.top + control.bottom) / 2 - page.top;
    sheet.SendToPage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void MoveMouseAway(SheetSession& sheet)
{
    sheet.SendToPage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
}

void PressAndRecord(ObservationLog& log, SheetSession& sheet, bool ok)
{
    log.Add(ok ? "press OK" : "press Cancel");
    if (ok)
        sheet.PressOk();
    else
        sheet.PressCancel();
    // A refused OK shows its box on the sheet's thread and the sheet stays.
    for (DWORD waited = 0; waited < CloseWaitMilliseconds; waited += 20) {
        if (sheet.WaitClosed(20) || !sheet.MessageBoxes().empty())
            break;
    }
    // Time for the box to go, and for any that would follow it.
    const bool closed = sheet.WaitClosed(300);
    RecordMessageBoxes(log, sheet);
    if (closed) {
        log.Add(Format("closed call-result=%ld host-result=%lu", static_cast<long>(sheet.CallResult()),
                       sheet.HostResult()));
        return;
    }
    log.Add("still open");
    RecordCurrentPage(log, sheet);
}

void CloseIfOpen(ObservationLog& log, SheetSession& sheet)
{
    if (sheet.WaitClosed(0))
        return;
    PressAndRecord(log, sheet, false);
}
