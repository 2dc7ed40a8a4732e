#include "pages/manage_labels_dialog.h"

#include <commdlg.h>

#include "pages/manage_labels_rules.h"
#include "pages/page_frame.h"
#include "resources/resource_ids.h"
#include "resources/module_instance.h"

namespace {

/* What the edits can hold: the text fields of LabelEntry less their NUL. */
constexpr int NameTextLimit = LabelNameSize - 1;
constexpr int NumberTextLimit = LabelNumberTextSize - 1;
/* A converted size can be longer than a user may type ("30480.00"), so a
   units switch reads up to 15 characters. */
constexpr int SwitchTextSize = 16;
constexpr int RangeTextSize = 32;
constexpr int FileNameChars = 256;

/* One filter entry; the literal's own NUL ends the list. */
const wchar_t CatalogueFilter[] = L"KMR\0*.KMR\0";
const wchar_t CatalogueExtension[] = L"kmr";

/* The fields shown while the working list holds no label: a 4 x 6 inch
 * label without a name. */
const LabelEntry EmptyCatalogueLabel = {"", "4.00", "6.00", "0", "0", Inches, 0};

ManageDialogState* DialogState(HWND dialog)
{
    return reinterpret_cast<ManageDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

/* An edit's 8-bit text without its surrounding white space. */
void ReadTrimmedEdit(HWND dialog, int editId, char* text, int size)
{
    text[0] = 0;
    GetDlgItemTextA(dialog, editId, text, size);
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
    wchar_t body[256];
    LoadPageString(messageId, body, 256);
    ShowPageError(dialog, body);
}

void ShowRangeError(HWND dialog, int messageId, const char* range)
{
    wchar_t message[256];
    wchar_t validRange[32];
    wchar_t body[256];
    LoadPageString(messageId, message, 256);
    LoadPageString(IDS_VALID_RANGE, validRange, 32);
    ComposeRangeMessage(body, 256, message, validRange, range);
    ShowPageError(dialog, body);
}

void ShowRangeTexts(HWND dialog, int units)
{
    const LabelSizeLimits& limits = LimitsOfUnits(units);
    char range[RangeTextSize];
    FormatRangeText(range, sizeof range, limits.Width.Minimum, limits.Width.Maximum);
    SetDlgItemTextA(dialog, IDC_MANAGE_WIDTH_RANGE, range);
    FormatRangeText(range, sizeof range, limits.Length.Minimum, limits.Length.Maximum);
    SetDlgItemTextA(dialog, IDC_MANAGE_LENGTH_RANGE, range);
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
    CheckDlgButton(dialog, IDC_MANAGE_INCHES, label.units == Inches ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_MANAGE_MM, label.units == Inches ? BST_UNCHECKED : BST_CHECKED);
    state->ManageCurrentUnits = label.units;
    ShowRangeTexts(dialog, label.units);
}

/* Lists the whole working list, selects the first label and shows it; an
 * empty list shows the fields of a new label rather than a stale record. */
void FillLabelList(HWND dialog, ManageDialogState* state)
{
    const ManageWorkingList& list = state->WorkingList;
    SendToList(dialog, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.Count; ++i)
        SendToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.Labels[i].name));
    UpdateListExtent(dialog, state);
    SendToList(dialog, LB_SETCURSEL, 0, 0);
    ShowLabelInFields(dialog, state, list.Count > 0 ? list.Labels[0] : EmptyCatalogueLabel);
}

bool ReadDecimalField(HWND dialog, int editId, char* field, const LabelRange& range, int messageId)
{
    ReadTrimmedEdit(dialog, editId, field, LabelNumberTextSize);
    if (IsDecimalInRange(field, range))
        return true;
    char text[RangeTextSize];
    FormatRangeText(text, sizeof text, range.Minimum, range.Maximum);
    ShowRangeError(dialog, messageId, text);
    return false;
}

bool ReadOffsetField(HWND dialog, int editId, char* field, int messageId)
{
    ReadTrimmedEdit(dialog, editId, field, LabelNumberTextSize);
    if (NormaliseOffsetText(field, LabelNumberTextSize)) {
        SetDlgItemTextA(dialog, editId, field);
        return true;
    }
    char text[RangeTextSize];
    FormatOffsetRangeText(text, sizeof text);
    ShowRangeError(dialog, messageId, text);
    return false;
}

/* Stops at the first refused field; the fields before it are already in
 * `label` and the offset edits already show their normalised texts. */
bool ReadLabelFields(HWND dialog, LabelEntry* label)
{
    label->units = IsDlgButtonChecked(dialog, IDC_MANAGE_INCHES) == BST_CHECKED ? Inches : Millimetres;
    const LabelSizeLimits& limits = LimitsOfUnits(label->units);
    return ReadDecimalField(dialog, IDC_MANAGE_WIDTH, label->width, limits.Width, IDS_INVALID_WIDTH) &&
        ReadDecimalField(dialog, IDC_MANAGE_LENGTH, label->length, limits.Length, IDS_INVALID_LENGTH) &&
        ReadOffsetField(dialog, IDC_MANAGE_HORZ_OFFSET, label->horzOffset, IDS_INVALID_HORZ_OFFSET) &&
        ReadOffsetField(dialog, IDC_MANAGE_VERT_OFFSET, label->vertOffset, IDS_INVALID_VERT_OFFSET);
}

/* The name and the fields, as Add and Modify both begin. */
bool ReadNamedLabel(HWND dialog, LabelEntry* label)
{
    ReadTrimmedEdit(dialog, IDC_MANAGE_NAME, label->name, LabelNameSize);
    if (label->name[0] == 0) {
        ShowStringError(dialog, IDS_NAME_REQUIRED);
        return false;
    }
    return ReadLabelFields(dialog, label);
}

void OnAdd(HWND dialog, ManageDialogState* state)
{
    ManageWorkingList& list = state->WorkingList;
    if (list.Count >= MaxLabels) {
        /* This caption is not translated: it reads "Error" in every language. */
        wchar_t body[128];
        LoadPageString(IDS_TOO_MANY_LABELS, body, 128);
        MessageBoxW(dialog, body, L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    LabelEntry label = {};
    if (!ReadNamedLabel(dialog, &label))
        return;
    if (FindNameClash(list, label.name, -1) >= 0) {
        ShowStringError(dialog, IDS_NAME_ALREADY_USED);
        return;
    }
    label.id = NextLabelId(list);
    list.Labels[list.Count++] = label;
    SendToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.name));
    UpdateListExtent(dialog, state);
}

void OnModify(HWND dialog, ManageDialogState* state)
{
    ManageWorkingList& list = state->WorkingList;
    LabelEntry label = {};
    if (!ReadNamedLabel(dialog, &label))
        return;
    const int selected = SelectedLabel(dialog, state);
    if (selected < 0)
        return;
    /* The selected label may keep its own name or change its letter case. */
    if (FindNameClash(list, label.name, selected) >= 0) {
        ShowStringError(dialog, IDS_NAME_ALREADY_USED);
        return;
    }
    label.id = list.Labels[selected].id;
    list.Labels[selected] = label;
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
    char converted[RangeTextSize];
    ReadTrimmedEdit(dialog, editId, text, sizeof text);
    ConvertSizeText(text, fromUnits, toUnits, converted, sizeof converted);
    SetDlgItemTextA(dialog, editId, converted);
}

void OnSwitchUnits(HWND dialog, ManageDialogState* state, int units)
{
    if (units == state->ManageCurrentUnits)
        return;
    ShowRangeTexts(dialog, units);
    ConvertSizeEdit(dialog, IDC_MANAGE_WIDTH, state->ManageCurrentUnits, units);
    ConvertSizeEdit(dialog, IDC_MANAGE_LENGTH, state->ManageCurrentUnits, units);
    state->ManageCurrentUnits = units;
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
    if (SaveLabelCatalogue(state->WorkingList.Labels, state->WorkingList.Count, nullptr)) {
        EndDialog(dialog, 1);
        return;
    }
    /* The dialog stays, so the user can try again or cancel. */
    wchar_t body[1024];
    LoadPageString(IDS_SAVE_LABELS_FAILED, body, 1024);
    ShowPageError(dialog, body);
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
    state->WorkingList.Count = LoadLabelCatalogue(state->WorkingList.Labels, MaxLabels, nullptr);
    FillLabelList(dialog, state);
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
    case IDC_MANAGE_LIST: OnListNotification(dialog, state); return TRUE;
    case IDC_MANAGE_ADD: OnAdd(dialog, state); return TRUE;
    case IDC_MANAGE_MODIFY: OnModify(dialog, state); return TRUE;
    case IDC_MANAGE_DELETE: OnDelete(dialog, state); return TRUE;
    case IDC_MANAGE_IMPORT: OnImport(dialog, state); return TRUE;
    case IDC_MANAGE_EXPORT: OnExport(dialog, state); return TRUE;
    case IDC_MANAGE_MM: OnSwitchUnits(dialog, state, Millimetres); return TRUE;
    case IDC_MANAGE_INCHES: OnSwitchUnits(dialog, state, Inches); return TRUE;
    case IDOK: OnOk(dialog, state); return TRUE;
    case IDCANCEL: EndDialog(dialog, 2); return TRUE;
    default: return FALSE;
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
