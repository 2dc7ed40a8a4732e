/*
 * The Features page: ribbon saving, the label pullback and its mode, and the
 * cutter with its interval and offset.  Pullback and cutter are hardware
 * options, usable only when the printer says they are installed.
 */
#include "pages/features_model.h"

#include "pages/dialog_controls.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

namespace {

const int CutControlIds[] = {
    IDC_FEATURES_CUT_EVERY_LABEL, IDC_FEATURES_CUT_OFFSET_LABEL, IDC_FEATURES_CUT_WORD,
    IDC_FEATURES_CUT_EVERY,       IDC_FEATURES_CUT_OFFSET,       IDC_FEATURES_CUT_EVERY_SPIN,
    IDC_FEATURES_CUT_OFFSET_SPIN,
};

/* The German and French templates have no mode radios: the calls find no
 * window, a missing radio reads as unchecked, and those sets store Manual. */
const int PullbackModeIds[] = {IDC_FEATURES_MANUAL, IDC_FEATURES_AUTOMATIC};

/* Wide characters of the word after the cut interval. */
const int CutWordCapacity = 256;

/* Sets checks, spins, edits and what the options let the user touch. */
void ShowFeatureChoice(HWND page, const FeatureChoice& choice, const PrinterOptions& options)
{
    SetChecked(page, IDC_FEATURES_TAPETHRIFT, choice.TapeThriftEnabled);
    SetChecked(page, IDC_FEATURES_PULLBACK, choice.PullbackEnabled);
    CheckOneOfTwo(page, IDC_FEATURES_MANUAL, IDC_FEATURES_AUTOMATIC,
                  ShowsAutomaticPullback(choice.PullbackMode));
    SetChecked(page, IDC_FEATURES_CUTTER, choice.CutterEnabled);
    SetSpinRange(page, IDC_FEATURES_CUT_EVERY_SPIN, CutEveryRange);
    SetSpinRange(page, IDC_FEATURES_CUT_OFFSET_SPIN, CutOffsetRange);
    WriteEditInteger(page, IDC_FEATURES_CUT_EVERY, choice.CutEvery);
    WriteEditInteger(page, IDC_FEATURES_CUT_OFFSET, choice.CutOffset);

    // A locked check box keeps its state, so a stored choice stays visible
    // while the option is not installed.
    const FeatureEnables enables = DecideFeatureEnables(choice, options);
    EnableControl(page, IDC_FEATURES_TAPETHRIFT, true);
    EnableControl(page, IDC_FEATURES_CUTTER, enables.CutterCheck);
    EnableControls(page, CutControlIds, enables.CutControls);
    EnableControl(page, IDC_FEATURES_PULLBACK, enables.PullbackCheck);
    EnableControls(page, PullbackModeIds, enables.PullbackModes);
}

/* Reads every control into `choice`.  With `checkRanges`, a number out of
 * range is told to the user, the focus goes to its edit and false comes
 * back; the interval is tested first, so only one failure is ever told. */
bool ReadFeatureControls(HWND page, FeatureChoice* choice, bool checkRanges)
{
    choice->TapeThriftEnabled = IsChecked(page, IDC_FEATURES_TAPETHRIFT);
    choice->PullbackEnabled = IsChecked(page, IDC_FEATURES_PULLBACK);
    choice->PullbackMode = PullbackModeFor(IsChecked(page, IDC_FEATURES_AUTOMATIC));
    choice->CutterEnabled = IsChecked(page, IDC_FEATURES_CUTTER);
    if (!checkRanges) {
        choice->CutEvery = ReadEditInteger(page, IDC_FEATURES_CUT_EVERY);
        choice->CutOffset = ReadEditInteger(page, IDC_FEATURES_CUT_OFFSET);
        return true;
    }
    // The ranges hold even for a cutter that is not installed or switched
    // off, so no record leaves this page with a cut setting out of range.
    return ReadRangedEdit(page, IDC_FEATURES_CUT_EVERY, CutEveryRange, IDS_INVALID_CUT_AMOUNT,
                          &choice->CutEvery) &&
           ReadRangedEdit(page, IDC_FEATURES_CUT_OFFSET, CutOffsetRange, IDS_INVALID_CUT_OFFSET,
                          &choice->CutOffset);
}

/* The word after the cut interval follows the number the edit reads as. */
void ShowCutIntervalWord(HWND page)
{
    wchar_t word[CutWordCapacity];
    LoadPageString(CutIntervalWordId(ReadEditInteger(page, IDC_FEATURES_CUT_EVERY)), word, CutWordCapacity);
    SetDlgItemTextW(page, IDC_FEATURES_CUT_WORD, word);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    if (context != nullptr)
        ShowFeatureChoice(page, FeatureChoiceFromRecord(context->WorkingDevMode.Extra),
                          context->PrinterOptions);
    return TRUE;
}

/* Switching an option re-shows the whole choice, so its controls follow at
 * once; the edits come back as the numbers they were read as. */
void OnOptionClicked(HWND page)
{
    SheetContext* context = PageContext(page);
    if (context == nullptr)
        return;
    FeatureChoice choice = {};
    ReadFeatureControls(page, &choice, false);
    ShowFeatureChoice(page, choice, context->PrinterOptions);
}

INT_PTR OnCommand(HWND page, WPARAM wParam)
{
    // Every notification of the interval edit counts, including the change
    // that follows the page's own writing, so the word is right from the start.
    switch (LOWORD(wParam)) {
    case IDC_FEATURES_CUT_EVERY:
        ShowCutIntervalWord(page);
        break;
    case IDC_FEATURES_CUTTER:
    case IDC_FEATURES_PULLBACK:
        OnOptionClicked(page);
        break;
    default:
        break;
    }
    return TRUE;
}

/* Another page changed the working record (a picked stock's settings).  A
 * locked option keeps the state the record gives it, as at the start. */
INT_PTR OnQuerySiblings(HWND page, WPARAM wParam)
{
    const SheetContext* context = PageContext(page);
    if (wParam == ShowWorkingRecordQuery && context != nullptr)
        ShowFeatureChoice(page, FeatureChoiceFromRecord(context->WorkingDevMode.Extra),
                          context->PrinterOptions);
    return AnswerSiblingQuery(page);
}

/* Leaving and applying both store the choice only when it is valid. */
bool StoreValidChoice(HWND page, SheetContext* context)
{
    FeatureChoice choice = {};
    if (!ReadFeatureControls(page, &choice, true))
        return false;
    StoreFeatureChoice(choice, &context->WorkingDevMode.Extra);
    return true;
}

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    switch (code) {
    case PSN_KILLACTIVE:
        if (context != nullptr)
            EndValidatedLeave(page, StoreValidChoice(page, context));
        return TRUE;
    case PSN_APPLY:
        if (context != nullptr)
            EndValidatedApply(page, context, StoreValidChoice(page, context));
        return TRUE;
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

INT_PTR CALLBACK FeaturesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case PSM_QUERYSIBLINGS:
        return OnQuerySiblings(page, wParam);
    case WM_COMMAND:
        return OnCommand(page, wParam);
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
