/*
 * The Intensity & Speed page: the heat of each of the four print heads and
 * the print speed.  The edits are not watched while the user types; they
 * are checked once, when the user leaves the page or presses OK, and a bad
 * head keeps the user on the page with the focus on it.
 */
#include "pages/dialog_controls.h"
#include "pages/intensity_model.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

static_assert(NoSpeedSelection == CB_ERR, "the model's no-selection is the list's");

namespace {

const int HeadEdits[PrintHeadCount] = {
    IDC_INTENSITY_HEAD1,
    IDC_INTENSITY_HEAD2,
    IDC_INTENSITY_HEAD3,
    IDC_INTENSITY_HEAD4,
};

const int HeadSpins[PrintHeadCount] = {
    IDC_INTENSITY_HEAD1_SPIN,
    IDC_INTENSITY_HEAD2_SPIN,
    IDC_INTENSITY_HEAD3_SPIN,
    IDC_INTENSITY_HEAD4_SPIN,
};

/* Wide characters of one entry of the speed list. */
const size_t SpeedTextCapacity = 8;

void ShowSpeedList(HWND page, uint16_t speed)
{
    SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_RESETCONTENT, 0, 0);
    for (int index = 0; index < SpeedListCount(); ++index) {
        wchar_t text[SpeedTextCapacity];
        FormatSpeedListText(index, text, SpeedTextCapacity);
        SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_SETCURSEL, SpeedListIndex(speed), 0);
}

void ShowIntensityChoice(HWND page, const IntensityChoice& choice)
{
    for (int head = 0; head < PrintHeadCount; ++head) {
        SetSpinRange(page, HeadSpins[head], HeadIntensityRange);
        WriteEditInteger(page, HeadEdits[head], choice.HeadIntensity[head]);
    }
    ShowSpeedList(page, choice.PrintSpeed);
}

/* True with `choice` filled when every head is within range.  Otherwise
 * false: the first bad head has been reported in a message box and holds
 * the focus (one message for every head; the focus tells which one is
 * wrong), and `choice` is not to be used. */
bool ReadIntensityControls(HWND page, const SheetContext* context, IntensityChoice* choice)
{
    for (int head = 0; head < PrintHeadCount; ++head) {
        int32_t value = 0;
        if (!ReadRangedEdit(page, HeadEdits[head], HeadIntensityRange, IDS_INVALID_HEAT, &value))
            return false;
        choice->HeadIntensity[head] = static_cast<uint16_t>(value);
    }
    const uint16_t current =
        context != nullptr ? static_cast<uint16_t>(context->WorkingDevMode.Extra.PrintSpeed) : 0;
    const LRESULT selection = SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_GETCURSEL, 0, 0);
    choice->PrintSpeed = SpeedFromSelection(static_cast<int>(selection), current);
    return true;
}

/* Reads and checks the page; on success the working record takes it. */
bool StorePageChoice(HWND page, SheetContext* context)
{
    IntensityChoice choice;
    if (!ReadIntensityControls(page, context, &choice))
        return false;
    if (context != nullptr)
        StoreIntensityChoice(choice, &context->WorkingDevMode.Extra);
    return true;
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    const SheetContext* context = AttachPageContext(page, lParam);
    if (context != nullptr)
        ShowIntensityChoice(page, IntensityChoiceFromRecord(context->WorkingDevMode.Extra));
    return TRUE;
}

/* Another page changed the working record (a picked stock's settings). */
INT_PTR OnQuerySiblings(HWND page, WPARAM wParam)
{
    const SheetContext* context = PageContext(page);
    if (wParam == ShowWorkingRecordQuery && context != nullptr)
        ShowIntensityChoice(page, IntensityChoiceFromRecord(context->WorkingDevMode.Extra));
    return AnswerSiblingQuery(page);
}

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    switch (code) {
    case PSN_KILLACTIVE:
        EndValidatedLeave(page, StorePageChoice(page, context));
        return TRUE;
    case PSN_APPLY:
        EndValidatedApply(page, context, StorePageChoice(page, context));
        return TRUE;
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

INT_PTR CALLBACK IntensityPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case PSM_QUERYSIBLINGS:
        return OnQuerySiblings(page, wParam);
    case WM_COMMAND:
        // Nothing is watched while the user types.
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
