/*
 * The Intensity & Speed page: the heat of each of the four print heads and
 * the print speed.  The edits are not watched while the user types; they
 * are checked once, when the user leaves the page or presses OK, and a bad
 * head keeps the user on the page with the focus on it.
 */
#include "pages/intensity_page_choice.h"
#include "pages/dialog_controls.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace {

const int HeadEdits[HeadCount] = {
    IDC_INTENSITY_HEAD1, IDC_INTENSITY_HEAD2, IDC_INTENSITY_HEAD3, IDC_INTENSITY_HEAD4,
};

const int HeadSpins[HeadCount] = {
    IDC_INTENSITY_HEAD1_SPIN, IDC_INTENSITY_HEAD2_SPIN, IDC_INTENSITY_HEAD3_SPIN, IDC_INTENSITY_HEAD4_SPIN,
};

const wchar_t* const SpeedTexts[] = {L"2", L"3", L"4", L"5", L"6", L"7"};

/* Reads and checks the page; on success the working record takes it. */
bool StorePageChoice(HWND page, SheetContext* context)
{
    IntensityChoice choice;
    if (ReadIntensityControls(page, &choice) == 0)
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

bool IsValidHeadIntensity(int value)
{
    return value >= LowestHeadIntensity && value <= HighestHeadIntensity;
}

uint16_t SpeedFromSelection(LRESULT selection, uint16_t currentSpeed)
{
    if (selection == CB_ERR || selection < 0 || selection > FastestPrintSpeed - SlowestPrintSpeed)
        return currentSpeed;
    return static_cast<uint16_t>(selection + SlowestPrintSpeed);
}

IntensityChoice IntensityChoiceFromRecord(const DriverExtra& extra)
{
    IntensityChoice choice;
    for (int head = 0; head < HeadCount; ++head)
        choice.HeadIntensity[head] = extra.HeadIntensity[head];
    // The record's speed is read as 16 bits and written back as 32.
    choice.PrintSpeed = static_cast<uint16_t>(extra.PrintSpeed);
    return choice;
}

void StoreIntensityChoice(const IntensityChoice& choice, DriverExtra* extra)
{
    for (int head = 0; head < HeadCount; ++head)
        extra->HeadIntensity[head] = choice.HeadIntensity[head];
    extra->PrintSpeed = choice.PrintSpeed;
}

void ShowIntensityChoice(HWND page, const IntensityChoice& choice)
{
    for (int head = 0; head < HeadCount; ++head) {
        SendDlgItemMessageW(page, HeadSpins[head], UDM_SETRANGE32, LowestHeadIntensity, HighestHeadIntensity);
        WriteEditInteger(page, HeadEdits[head], choice.HeadIntensity[head]);
    }
    SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* text : SpeedTexts)
        SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_SETCURSEL, choice.PrintSpeed - SlowestPrintSpeed, 0);
}

int ReadIntensityControls(HWND page, IntensityChoice* choice)
{
    for (int head = 0; head < HeadCount; ++head) {
        const int value = ReadEditInteger(page, HeadEdits[head]);
        if (!IsValidHeadIntensity(value)) {
            // One message for every head; the focus tells which one is wrong.
            ShowValidRangeError(page, IDS_INVALID_HEAT, LowestHeadIntensity, HighestHeadIntensity);
            SetFocus(GetDlgItem(page, HeadEdits[head]));
            return 0;
        }
        choice->HeadIntensity[head] = static_cast<uint16_t>(value);
    }
    const SheetContext* context = PageContext(page);
    const uint16_t current = context != nullptr ? static_cast<uint16_t>(context->WorkingDevMode.Extra.PrintSpeed) : 0;
    choice->PrintSpeed =
        SpeedFromSelection(SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_GETCURSEL, 0, 0), current);
    return 1;
}

INT_PTR CALLBACK IntensityPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case WM_COMMAND:
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}
