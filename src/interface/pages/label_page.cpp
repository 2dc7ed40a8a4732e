#include "pages/label_model.h"
#include "pages/manage_labels_dialog.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

namespace {

/* What one Label page keeps in its dialog slot (DWLP_USER); the page frame
 * keeps the sheet context in the user-data slot.  Allocated from the
 * sheet's heap, it lives as long as the sheet, and sheets open side by side
 * never apply each other's labels. */
struct LabelPageState {
    /* The catalogue as loaded at the page's last fill; combo-box entry i is
       Catalogue.Labels[i]. */
    LabelList Catalogue;
};

LabelPageState* PageState(HWND page)
{
    return reinterpret_cast<LabelPageState*>(GetWindowLongPtrW(page, DWLP_USER));
}

void CreatePageState(HWND page, SheetContext* context)
{
    LabelPageState* state = nullptr;
    if (context != nullptr && context->SheetHeap != nullptr)
        state = static_cast<LabelPageState*>(
            HeapAlloc(context->SheetHeap, HEAP_ZERO_MEMORY, sizeof(LabelPageState)));
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
}

/* The label at the combo box's selection, or null when there is none. */
const LabelEntry* SelectedLabel(HWND page)
{
    const LabelPageState* state = PageState(page);
    if (state == nullptr)
        return nullptr;
    /* No selection is CB_ERR, -1. */
    const LRESULT selected = SendDlgItemMessageA(page, IDC_LABEL_COMBO, CB_GETCURSEL, 0, 0);
    return LabelAt(state->Catalogue, static_cast<int>(selected));
}

void FillLabelCombo(HWND page, const DriverDevMode& record)
{
    LabelPageState* state = PageState(page);
    SendDlgItemMessageA(page, IDC_LABEL_COMBO, CB_RESETCONTENT, 0, 0);
    if (state == nullptr)
        return;
    LabelList& catalogue = state->Catalogue;
    catalogue.Count = LoadLabelCatalogue(catalogue.Labels, MaxLabels, nullptr);
    for (int i = 0; i < catalogue.Count; ++i)
        SendDlgItemMessageA(page, IDC_LABEL_COMBO, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(catalogue.Labels[i].name));
    const int selected = FindRecordLabel(catalogue, record.Extra.LabelName);
    if (selected >= 0)
        SendDlgItemMessageA(page, IDC_LABEL_COMBO, CB_SETCURSEL, selected, 0);
}

void ShowLabelDetails(HWND page, const LabelEntry* label)
{
    wchar_t details[LabelDetailsChars];
    ComposeLabelDetails(label, details);
    SetDlgItemTextW(page, IDC_LABEL_DETAILS, details);
}

/* Without a label to copy (an empty catalogue) the record keeps the label
 * it had, so it never names a size that is not in the catalogue. */
void StoreSelectedLabel(HWND page, SheetContext* context)
{
    const LabelEntry* label = SelectedLabel(page);
    if (label != nullptr && context != nullptr)
        ApplyLabelToRecord(*label, &context->WorkingDevMode);
}

void OnManageLabels(HWND page, SheetContext* context)
{
    if (RunManageLabelsDialog(page) == 1 && context != nullptr)
        FillLabelCombo(page, context->WorkingDevMode);
    ShowLabelDetails(page, SelectedLabel(page));
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    CreatePageState(page, context);
    if (context != nullptr)
        FillLabelCombo(page, context->WorkingDevMode);
    return TRUE;
}

/* The combo box counts whatever it notifies, focus included. */
INT_PTR OnCommand(HWND page, int controlId)
{
    switch (controlId) {
    case IDC_LABEL_COMBO:
        ShowLabelDetails(page, SelectedLabel(page));
        return TRUE;
    case IDC_LABEL_MANAGE:
        OnManageLabels(page, PageContext(page));
        return TRUE;
    default:
        return FALSE;
    }
}

/* Apart from the label it stores, the page answers as one with nothing to
 * check. */
INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    if (code == PSN_APPLY)
        StoreSelectedLabel(page, context);
    return AnswerUncheckedNotify(page, context, code);
}

}  // namespace

INT_PTR CALLBACK LabelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case WM_COMMAND:
        return OnCommand(page, LOWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
