#include "labels/catalogue_file_win32.h"
#include "pages/dialog_controls.h"
#include "pages/label_model.h"
#include "pages/manage_labels_dialog.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"
#include "settings/stock_settings.h"

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

/* Wide characters of one loaded word of the settings lines. */
constexpr int SettingWordChars = 64;

/* The settings lines' words in the interface's language. */
struct LoadedSettingWords {
    wchar_t Captions[LabelSettingCount][SettingWordChars];
    wchar_t On[SettingWordChars];
    wchar_t Off[SettingWordChars];
};

static_assert(IDS_STOCK_PULLBACK - IDS_STOCK_PRINT_SPEED == LabelSettingCount - 1,
              "one caption string per setting, in the order of LabelSettingRules");

void LoadSettingWords(LoadedSettingWords* loaded, StockSettingWords* words)
{
    for (int rule = 0; rule < LabelSettingCount; ++rule) {
        LoadPageString(IDS_STOCK_PRINT_SPEED + rule, loaded->Captions[rule], SettingWordChars);
        words->Captions[rule] = loaded->Captions[rule];
    }
    LoadPageString(IDS_STOCK_SWITCH_ON, loaded->On, SettingWordChars);
    LoadPageString(IDS_STOCK_SWITCH_OFF, loaded->Off, SettingWordChars);
    words->On = loaded->On;
    words->Off = loaded->Off;
}

void ShowLabelDetails(HWND page, const LabelEntry* label)
{
    wchar_t details[LabelDetailsChars];
    ComposeLabelDetails(label, details);
    if (label != nullptr && HasLabelSettings(label->settings)) {
        LoadedSettingWords loaded;
        StockSettingWords words;
        LoadSettingWords(&loaded, &words);
        AppendStockSettingsDetails(label->settings, words, details);
    }
    SetDlgItemTextW(page, IDC_LABEL_DETAILS, details);
}

/* Storing into the catalogue is offered where editing it is, to a user
 * the system lets change it, and only with a stock to store into. */
void EnableSaveSettings(HWND page)
{
    const bool catalogueEditable = IsWindowEnabled(GetDlgItem(page, IDC_LABEL_MANAGE)) != FALSE;
    EnableControl(page, IDC_LABEL_SAVE_SETTINGS,
                  catalogueEditable && SelectedLabel(page) != nullptr && MayChangeLabelCatalogue(nullptr));
}

/* A user's pick brings the stock's settings into the working record at
 * once, and every page already open shows them; a stock without settings
 * changes nothing here (the label itself is stored at apply). */
void ApplyPickedStock(HWND page, SheetContext* context)
{
    const LabelEntry* label = SelectedLabel(page);
    if (label == nullptr || context == nullptr || !HasLabelSettings(label->settings))
        return;
    ApplyLabelSettings(label->settings, &context->WorkingDevMode.Extra);
    AskPagesToShowWorkingRecord(page);
}

/* The working record's values become the selected stock's settings in the
 * catalogue file and in the page's copy; a failed save changes neither. */
void OnSaveSettings(HWND page, const SheetContext* context)
{
    LabelPageState* state = PageState(page);
    const LabelEntry* label = SelectedLabel(page);
    if (state == nullptr || label == nullptr || context == nullptr)
        return;
    const LabelSettings settings = CaptureLabelSettings(context->WorkingDevMode.Extra);
    if (!SaveSettingsToStock(*label, settings, nullptr)) {
        const bool refused = GetLastError() == ERROR_ACCESS_DENIED;
        wchar_t message[256];
        LoadPageString(refused ? IDS_LABELS_SAVE_REFUSED : IDS_STOCK_SAVE_FAILED, message, 256);
        ShowPageError(page, message);
        return;
    }
    state->Catalogue.Labels[label - state->Catalogue.Labels].settings = settings;
    ShowLabelDetails(page, label);
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
    EnableSaveSettings(page);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    CreatePageState(page, context);
    if (context != nullptr)
        FillLabelCombo(page, context->WorkingDevMode);
    EnableSaveSettings(page);
    return TRUE;
}

/* A selection the user made: a changed selection in the closed box, or
 * an entry confirmed in the open list.  Moving through the open list with
 * the arrow keys changes the selection too, but picks nothing yet. */
bool IsStockPick(HWND page, int notification)
{
    if (notification == CBN_SELENDOK)
        return true;
    const bool listOpen = SendDlgItemMessageA(page, IDC_LABEL_COMBO, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    return notification == CBN_SELCHANGE && !listOpen;
}

/* The combo box counts whatever it notifies, focus included, for the
 * Details. */
INT_PTR OnCommand(HWND page, int controlId, int notification)
{
    switch (controlId) {
    case IDC_LABEL_COMBO:
        if (IsStockPick(page, notification)) {
            ApplyPickedStock(page, PageContext(page));
            EnableSaveSettings(page);
        }
        ShowLabelDetails(page, SelectedLabel(page));
        return TRUE;
    case IDC_LABEL_MANAGE:
        OnManageLabels(page, PageContext(page));
        return TRUE;
    case IDC_LABEL_SAVE_SETTINGS:
        OnSaveSettings(page, PageContext(page));
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
        return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
