#include "pages/manage_labels_dialog.h"

#include <commdlg.h>

#include "labels/catalogue_file_win32.h"
#include "pages/dialog_controls.h"
#include "pages/manage_labels_model.h"
#include "pages/page_frame.h"
#include "resources/module_instance.h"
#include "resources/resource_ids.h"

namespace {

/* What the edits can hold: the text fields of LabelEntry less their NUL. */
constexpr int NameTextLimit = LabelNameSize - 1;
constexpr int NumberTextLimit = LabelNumberTextSize - 1;
/* A converted size can be longer than a user may type ("30480.00"), so a
   units switch reads up to 15 characters. */
constexpr int SwitchTextSize = 16;
constexpr int FileNameChars = 256;
/* Message buffers, in wide characters. */
constexpr int MessageChars = 256;
constexpr int ValidRangeChars = 32;
constexpr int TooManyLabelsChars = 128;
constexpr int SaveFailedChars = 1024;

/* One filter entry; the literal's own NUL ends the list. */
const wchar_t CatalogueFilter[] = L"KMR\0*.KMR\0";
const wchar_t CatalogueExtension[] = L"kmr";

/* What one open dialog keeps in its dialog slot (DWLP_USER), from
 * WM_INITDIALOG to WM_DESTROY; it comes from the process heap, so dialogs
 * open on different sheets (and threads) never see each other's list. */
struct ManageDialogState {
    /* The working copy of the catalogue, loaded at initialisation and at
       each import, saved at OK; list-box entry i shows
       WorkingList.Labels[i].name. */
    LabelList WorkingList;
    /* The LabelUnits the Width and Length edits currently hold their
       numbers in: the last shown label's (2 for tenths of a millimetre) or
       the last units switched to.  The units a label is stored with come
       from the radio buttons instead. */
    int CurrentUnits;
    /* The system does not let this user change the catalogue. */
    bool ReadOnly;
};

ManageDialogState* DialogState(HWND dialog)
{
    return reinterpret_cast<ManageDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

/* An edit's 8-bit text, cut to `size` bytes with the NUL. */
void ReadEdit(HWND dialog, int editId, char* text, int size)
{
    text[0] = 0;
    GetDlgItemTextA(dialog, editId, text, size);
}

/* An edit's 8-bit text without its surrounding white space. */
void ReadTrimmedEdit(HWND dialog, int editId, char* text, int size)
{
    ReadEdit(dialog, editId, text, size);
    TrimSpaces(text);
}

LRESULT SendToList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageA(dialog, IDC_MANAGE_LIST, message, wParam, lParam);
}

/* The selected label, or -1 when the list box has no selection. */
int SelectedLabel(HWND dialog, const ManageDialogState* state)
{
    const LRESULT selected = SendToList(dialog, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || selected < 0 || selected >= state->WorkingList.Count)
        return -1;
    return static_cast<int>(selected);
}

void ShowStringError(HWND dialog, int messageId)
{
    wchar_t body[MessageChars];
    LoadPageString(messageId, body, MessageChars);
    ShowPageError(dialog, body);
}

void ShowRangeError(HWND dialog, int messageId, const char* range)
{
    wchar_t message[MessageChars];
    wchar_t validRange[ValidRangeChars];
    wchar_t body[MessageChars];
    LoadPageString(messageId, message, MessageChars);
    LoadPageString(IDS_VALID_RANGE, validRange, ValidRangeChars);
    ComposeRangeMessage(body, MessageChars, message, validRange, range);
    ShowPageError(dialog, body);
}

void ShowRefusal(HWND dialog, const NewLabelRefusal& refusal)
{
    if (IsRangeRefusal(refusal))
        ShowRangeError(dialog, RefusalMessageId(refusal), refusal.Range);
    else
        ShowStringError(dialog, RefusalMessageId(refusal));
}

/* The catalogue-full message's caption is not translated: it reads "Error"
 * in every language. */
void ShowTooManyLabels(HWND dialog)
{
    wchar_t body[TooManyLabelsChars];
    LoadPageString(IDS_TOO_MANY_LABELS, body, TooManyLabelsChars);
    MessageBoxW(dialog, body, L"Error", MB_OK | MB_ICONERROR);
}

void ShowRangeTexts(HWND dialog, int units)
{
    const SizeRangeTexts ranges = RangeTextsOfUnits(units);
    SetDlgItemTextA(dialog, IDC_MANAGE_WIDTH_RANGE, ranges.Width);
    SetDlgItemTextA(dialog, IDC_MANAGE_LENGTH_RANGE, ranges.Length);
}

void UpdateListExtent(HWND dialog, const ManageDialogState* state)
{
    HWND list = GetDlgItem(dialog, IDC_MANAGE_LIST);
    LONG widest = 0;
    HDC dc = GetDC(list);
    if (dc != nullptr) {
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0));
        HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
        for (int i = 0; i < state->WorkingList.Count; ++i) {
            const char* name = state->WorkingList.Labels[i].name;
            SIZE size;
            if (!GetTextExtentPoint32A(dc, name, lstrlenA(name), &size))
                continue;
            POINT extent = {size.cx, 0};
            LPtoDP(dc, &extent, 1);
            if (extent.x > widest)
                widest = extent.x;
        }
        if (previous != nullptr)
            SelectObject(dc, previous);
        ReleaseDC(list, dc);
    }
    SendMessageW(list, LB_SETHORIZONTALEXTENT, widest + 3, 0);
}

void ShowLabelInFields(HWND dialog, ManageDialogState* state, const LabelEntry& label)
{
    SetDlgItemTextA(dialog, IDC_MANAGE_NAME, label.name);
    SetDlgItemTextA(dialog, IDC_MANAGE_WIDTH, label.width);
    SetDlgItemTextA(dialog, IDC_MANAGE_LENGTH, label.length);
    SetDlgItemTextA(dialog, IDC_MANAGE_HORZ_OFFSET, label.horzOffset);
    SetDlgItemTextA(dialog, IDC_MANAGE_VERT_OFFSET, label.vertOffset);
    CheckOneOfTwo(dialog, IDC_MANAGE_MM, IDC_MANAGE_INCHES, label.units == Inches);
    state->CurrentUnits = label.units;
    ShowRangeTexts(dialog, label.units);
}

/* Lists the whole working list, selects the first label and shows it; an
 * empty list shows the fields of a new label rather than a stale record. */
void FillLabelList(HWND dialog, ManageDialogState* state)
{
    const LabelList& list = state->WorkingList;
    SendToList(dialog, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.Count; ++i)
        SendToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.Labels[i].name));
    UpdateListExtent(dialog, state);
    SendToList(dialog, LB_SETCURSEL, 0, 0);
    ShowLabelInFields(dialog, state, FirstShownLabel(list));
}

/* An offset read before a refusal, or by a reading that was accepted,
 * already shows its normalised text ("+5" becomes "5"). */
void ShowReadOffsets(HWND dialog, const LabelEntry& label, bool accepted, const NewLabelRefusal& refusal)
{
    if (accepted || AcceptedBeforeRefusal(NewLabelField::HorizontalOffset, refusal))
        SetDlgItemTextA(dialog, IDC_MANAGE_HORZ_OFFSET, label.horzOffset);
    if (accepted)
        SetDlgItemTextA(dialog, IDC_MANAGE_VERT_OFFSET, label.vertOffset);
}

/* The name and the fields, as Add and Modify both begin, read as the
 * command-line tool reads a new label; at the first refused field its
 * message is shown and false comes back. */
bool ReadLabelEdits(HWND dialog, LabelEntry* label)
{
    ManageEditTexts edits;
    ReadEdit(dialog, IDC_MANAGE_NAME, edits.Name, sizeof edits.Name);
    ReadEdit(dialog, IDC_MANAGE_WIDTH, edits.Width, sizeof edits.Width);
    ReadEdit(dialog, IDC_MANAGE_LENGTH, edits.Length, sizeof edits.Length);
    ReadEdit(dialog, IDC_MANAGE_HORZ_OFFSET, edits.HorizontalOffset, sizeof edits.HorizontalOffset);
    ReadEdit(dialog, IDC_MANAGE_VERT_OFFSET, edits.VerticalOffset, sizeof edits.VerticalOffset);
    const int units = IsChecked(dialog, IDC_MANAGE_INCHES) ? Inches : Millimetres;
    NewLabelRefusal refusal = {};
    const bool accepted = ReadNewLabel(NewLabelTextsOfEdits(edits, units), label, &refusal);
    ShowReadOffsets(dialog, *label, accepted, refusal);
    if (!accepted)
        ShowRefusal(dialog, refusal);
    return accepted;
}

void OnAdd(HWND dialog, ManageDialogState* state)
{
    LabelList& list = state->WorkingList;
    if (!HasRoomForLabel(list)) {
        ShowTooManyLabels(dialog);
        return;
    }
    LabelEntry label;
    if (!ReadLabelEdits(dialog, &label))
        return;
    if (FindLabelNamed(list, label.name, -1) >= 0) {
        ShowStringError(dialog, IDS_NAME_ALREADY_USED);
        return;
    }
    AppendNewLabel(&list, label);
    SendToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.name));
    UpdateListExtent(dialog, state);
}

void OnModify(HWND dialog, ManageDialogState* state)
{
    LabelList& list = state->WorkingList;
    LabelEntry label;
    if (!ReadLabelEdits(dialog, &label))
        return;
    const int selected = SelectedLabel(dialog, state);
    if (selected < 0)
        return;
    /* The selected label may keep its own name or change its letter case. */
    if (FindLabelNamed(list, label.name, selected) >= 0) {
        ShowStringError(dialog, IDS_NAME_ALREADY_USED);
        return;
    }
    ReplaceLabelAt(&list, selected, label);
    SendToList(dialog, LB_INSERTSTRING, selected, reinterpret_cast<LPARAM>(label.name));
    SendToList(dialog, LB_DELETESTRING, selected + 1, 0);
    SendToList(dialog, LB_SETCURSEL, selected, 0);
    UpdateListExtent(dialog, state);
}

void OnDelete(HWND dialog, ManageDialogState* state)
{
    const int selected = SelectedLabel(dialog, state);
    if (selected < 0)
        return;
    RemoveLabelAt(&state->WorkingList, selected);
    SendToList(dialog, LB_DELETESTRING, selected, 0);
    SendToList(dialog, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    UpdateListExtent(dialog, state);
}

void OnListNotification(HWND dialog, ManageDialogState* state)
{
    const int selected = SelectedLabel(dialog, state);
    if (selected >= 0)
        ShowLabelInFields(dialog, state, state->WorkingList.Labels[selected]);
}

void ConvertSizeEdit(HWND dialog, int editId, int fromUnits, int toUnits)
{
    char text[SwitchTextSize];
    char converted[LabelRangeTextSize];
    ReadTrimmedEdit(dialog, editId, text, sizeof text);
    ConvertSizeText(text, fromUnits, toUnits, converted, sizeof converted);
    SetDlgItemTextA(dialog, editId, converted);
}

void OnSwitchUnits(HWND dialog, ManageDialogState* state, int units)
{
    if (units == state->CurrentUnits)
        return;
    ShowRangeTexts(dialog, units);
    ConvertSizeEdit(dialog, IDC_MANAGE_WIDTH, state->CurrentUnits, units);
    ConvertSizeEdit(dialog, IDC_MANAGE_LENGTH, state->CurrentUnits, units);
    state->CurrentUnits = units;
}

/* Asks for an import (existing) or export file; false when cancelled. */
bool AskForCatalogueFile(HWND dialog, wchar_t (&path)[FileNameChars], bool forExport)
{
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = dialog;
    request.lpstrFilter = CatalogueFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = FileNameChars;
    request.lpstrDefExt = CatalogueExtension;
    request.Flags = OFN_HIDEREADONLY | (forExport ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    path[0] = 0;
    return (forExport ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request)) != FALSE;
}

void OnImport(HWND dialog, ManageDialogState* state)
{
    wchar_t path[FileNameChars];
    if (!AskForCatalogueFile(dialog, path, false))
        return;
    state->WorkingList.Count = LoadLabelCatalogue(state->WorkingList.Labels, MaxLabels, path);
    FillLabelList(dialog, state);
}

void OnExport(HWND dialog, const ManageDialogState* state)
{
    wchar_t path[FileNameChars];
    /* A failed export is not reported. */
    if (AskForCatalogueFile(dialog, path, true))
        SaveLabelCatalogue(state->WorkingList.Labels, state->WorkingList.Count, path);
}

void OnOk(HWND dialog, const ManageDialogState* state)
{
    /* Opened read-only, nothing can have changed: nothing is written. */
    if (state->ReadOnly) {
        EndDialog(dialog, 2);
        return;
    }
    if (SaveLabelCatalogue(state->WorkingList.Labels, state->WorkingList.Count, nullptr)) {
        EndDialog(dialog, 1);
        return;
    }
    /* The dialog stays, so the user can try again or cancel. */
    const bool refused = GetLastError() == ERROR_ACCESS_DENIED;
    wchar_t body[SaveFailedChars];
    LoadPageString(refused ? IDS_LABELS_SAVE_REFUSED : IDS_SAVE_LABELS_FAILED, body, SaveFailedChars);
    ShowPageError(dialog, body);
}

/* A user the system does not let change the catalogue learns it before
 * typing anything: the changing controls are unavailable, the edits only
 * show the selected label, and one line says who manages the list.
 * Export stays: it writes another file. */
void OpenReadOnly(HWND dialog, ManageDialogState* state)
{
    state->ReadOnly = true;
    const int changing[] = {IDC_MANAGE_ADD, IDC_MANAGE_MODIFY, IDC_MANAGE_DELETE, IDC_MANAGE_IMPORT};
    EnableControls(dialog, changing, false);
    const int edits[] = {IDC_MANAGE_NAME, IDC_MANAGE_WIDTH, IDC_MANAGE_LENGTH, IDC_MANAGE_HORZ_OFFSET,
                         IDC_MANAGE_VERT_OFFSET};
    for (int edit : edits)
        SendDlgItemMessageW(dialog, edit, EM_SETREADONLY, TRUE, 0);
    wchar_t note[MessageChars];
    LoadPageString(IDS_LABELS_MANAGED, note, MessageChars);
    SetDlgItemTextW(dialog, IDC_MANAGE_LOCKED_NOTE, note);
}

INT_PTR OnInitDialog(HWND dialog)
{
    auto* state = static_cast<ManageDialogState*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ManageDialogState)));
    if (state == nullptr) {
        EndDialog(dialog, 2);
        return TRUE;
    }
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    SendDlgItemMessageW(dialog, IDC_MANAGE_NAME, EM_LIMITTEXT, NameTextLimit, 0);
    const int numberEdits[] = {IDC_MANAGE_WIDTH, IDC_MANAGE_LENGTH, IDC_MANAGE_HORZ_OFFSET,
                               IDC_MANAGE_VERT_OFFSET};
    for (int edit : numberEdits)
        SendDlgItemMessageW(dialog, edit, EM_LIMITTEXT, NumberTextLimit, 0);
    /* OK saves the whole list back: it starts from the file as it is. */
    state->WorkingList.Count = LoadLabelCatalogueToChange(state->WorkingList.Labels, MaxLabels, nullptr);
    FillLabelList(dialog, state);
    if (!MayChangeLabelCatalogue(nullptr))
        OpenReadOnly(dialog, state);
    return TRUE;
}

void OnDestroy(HWND dialog)
{
    ManageDialogState* state = DialogState(dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    if (state != nullptr)
        HeapFree(GetProcessHeap(), 0, state);
}

/* Commands are told apart by control alone: any notification of the list
 * box, a click or a focus change, shows the selected label. */
INT_PTR OnCommand(HWND dialog, int controlId)
{
    ManageDialogState* state = DialogState(dialog);
    if (state == nullptr)
        return FALSE;
    switch (controlId) {
    case IDC_MANAGE_LIST:
        OnListNotification(dialog, state);
        return TRUE;
    case IDC_MANAGE_ADD:
        OnAdd(dialog, state);
        return TRUE;
    case IDC_MANAGE_MODIFY:
        OnModify(dialog, state);
        return TRUE;
    case IDC_MANAGE_DELETE:
        OnDelete(dialog, state);
        return TRUE;
    case IDC_MANAGE_IMPORT:
        OnImport(dialog, state);
        return TRUE;
    case IDC_MANAGE_EXPORT:
        OnExport(dialog, state);
        return TRUE;
    case IDC_MANAGE_MM:
        OnSwitchUnits(dialog, state, Millimetres);
        return TRUE;
    case IDC_MANAGE_INCHES:
        OnSwitchUnits(dialog, state, Inches);
        return TRUE;
    case IDOK:
        OnOk(dialog, state);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 2);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK ManageLabelsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    case WM_DESTROY:
        OnDestroy(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR RunManageLabelsDialog(HWND owner)
{
    const INT_PTR result = DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(IDD_MANAGE_LABELS), owner,
                                           ManageLabelsDialogProc, 0);
    return result == 1 ? 1 : 2;
}
