#include "common_dialog_run.h"

#include <commdlg.h>
#include <dlgs.h>
#include <string.h>

namespace {

/* The hook's own message: posted at WM_INITDIALOG, it arrives once the
   dialog has finished setting itself up.  Wine's Page Setup hands the hook
   WM_INITDIALOG before it fills its paper combo box. */
const UINT DriveDialogMessage = WM_APP + 23;

struct DialogScript {
    std::wstring Choose;
    DialogRun Run;
};

/* One dialog runs at a time, modally on the test's thread. */
DialogScript* ActiveScript = nullptr;

std::wstring EntryText(HWND combo, LRESULT index)
{
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

WORD EntryPaperId(HWND combo, LRESULT index)
{
    return static_cast<WORD>(SendMessageW(combo, CB_GETITEMDATA, index, 0));
}

void ReadPaperCombo(HWND combo, DialogRun& run)
{
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        run.Entries.push_back(EntryText(combo, i));
    const LRESULT shown = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (shown == CB_ERR)
        return;
    run.Shown = EntryText(combo, shown);
    run.ShownId = EntryPaperId(combo, shown);
}

/* As a user's pick arrives: the selection, then the dialog's notification. */
void ChoosePaper(HWND dialog, HWND combo, const std::wstring& name, DialogRun& run)
{
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name.c_str()));
    if (index == CB_ERR)
        return;
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    run.Chosen = EntryText(combo, index);
    run.ChosenId = EntryPaperId(combo, index);
}

void DriveDialog(HWND dialog, DialogScript& script)
{
    HWND combo = GetDlgItem(dialog, cmb2);
    ReadPaperCombo(combo, script.Run);
    if (!script.Choose.empty())
        ChoosePaper(dialog, combo, script.Choose, script.Run);
    script.Run.Driven = true;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

UINT_PTR CALLBACK DialogHook(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        PostMessageW(dialog, DriveDialogMessage, 0, 0);
        return TRUE;
    }
    if (message == DriveDialogMessage && ActiveScript != nullptr) {
        DialogScript* script = ActiveScript;
        ActiveScript = nullptr;  // once, whatever else the dialog posts
        DriveDialog(dialog, *script);
        return TRUE;
    }
    return FALSE;
}

HGLOBAL GlobalFromBytes(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty())
        return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory != nullptr) {
        memcpy(GlobalLock(memory), bytes.data(), bytes.size());
        GlobalUnlock(memory);
    }
    return memory;
}

/* The block's bytes; the block is freed. */
std::vector<uint8_t> TakeGlobal(HGLOBAL memory)
{
    std::vector<uint8_t> bytes;
    if (memory == nullptr)
        return bytes;
    const uint8_t* data = static_cast<const uint8_t*>(GlobalLock(memory));
    if (data != nullptr) {
        bytes.assign(data, data + GlobalSize(memory));
        GlobalUnlock(memory);
    }
    GlobalFree(memory);
    return bytes;
}

}  // namespace

DialogRun RunPageSetup(const DialogRecords& given, const std::wstring& choose)
{
    DialogScript script;
    script.Choose = choose;
    PAGESETUPDLGW setup;
    memset(&setup, 0, sizeof setup);
    setup.lStructSize = sizeof setup;
    setup.Flags = PSD_ENABLEPAGESETUPHOOK | PSD_INHUNDREDTHSOFMILLIMETERS;
    setup.lpfnPageSetupHook = DialogHook;
    setup.hDevMode = GlobalFromBytes(given.DevMode);
    setup.hDevNames = GlobalFromBytes(given.DevNames);
    ActiveScript = &script;
    script.Run.Returned = PageSetupDlgW(&setup) != FALSE;
    ActiveScript = nullptr;
    script.Run.Result.DevMode = TakeGlobal(setup.hDevMode);
    script.Run.Result.DevNames = TakeGlobal(setup.hDevNames);
    script.Run.PaperSize = setup.ptPaperSize;
    return script.Run;
}

/* Windows calls the setup hook of a Print Setup dialog; Wine calls its
   print hook, and only when PD_ENABLEPRINTHOOK is set.  Both are given. */
DialogRun RunPrintSetup(const DialogRecords& given, const std::wstring& choose)
{
    DialogScript script;
    script.Choose = choose;
    PRINTDLGW print;
    memset(&print, 0, sizeof print);
    print.lStructSize = sizeof print;
    print.Flags = PD_PRINTSETUP | PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK;
    print.lpfnSetupHook = DialogHook;
    print.lpfnPrintHook = DialogHook;
    print.hDevMode = GlobalFromBytes(given.DevMode);
    print.hDevNames = GlobalFromBytes(given.DevNames);
    ActiveScript = &script;
    script.Run.Returned = PrintDlgW(&print) != FALSE;
    ActiveScript = nullptr;
    script.Run.Result.DevMode = TakeGlobal(print.hDevMode);
    script.Run.Result.DevNames = TakeGlobal(print.hDevNames);
    return script.Run;
}
