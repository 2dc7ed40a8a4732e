#include "pages/dialog_controls.h"

#include <commctrl.h>

#include "pages/page_frame.h"
#include "pages/scroll_model.h"
#include "text/bounded_text.h"
#include "text/number_text.h"

static_assert(ScrollLineLeft == SB_LINELEFT && ScrollLineRight == SB_LINERIGHT &&
                  ScrollPageLeft == SB_PAGELEFT && ScrollPageRight == SB_PAGERIGHT &&
                  ScrollThumbTrack == SB_THUMBTRACK,
              "the models' scroll requests are the platform's scroll-bar codes");

namespace {

/* What a number edit is read as: the page's texts never need more. */
constexpr int EditIntegerChars = 20;

}  // namespace

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CheckOneOfTwo(HWND dialog, int firstId, int secondId, bool second)
{
    SetChecked(dialog, firstId, !second);
    SetChecked(dialog, secondId, second);
}

void EnableControl(HWND dialog, int id, bool enabled)
{
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void EnableControls(HWND dialog, const int* ids, size_t count, bool enabled)
{
    for (size_t i = 0; i < count; ++i)
        EnableControl(dialog, ids[i], enabled);
}

void ShowControls(HWND dialog, const int* ids, size_t count, bool shown)
{
    for (size_t i = 0; i < count; ++i) {
        HWND control = GetDlgItem(dialog, ids[i]);
        ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
        EnableWindow(control, shown ? TRUE : FALSE);
    }
}

int ReadEditInteger(HWND dialog, int editId)
{
    char text[EditIntegerChars];
    text[0] = 0;
    GetDlgItemTextA(dialog, editId, text, sizeof(text));
    return ReadLeadingInteger(text);
}

void WriteEditInteger(HWND dialog, int editId, int value)
{
    wchar_t text[EditIntegerChars];
    text[0] = 0;
    AppendFormatBounded(text, EditIntegerChars, "%d", value);
    SetDlgItemTextW(dialog, editId, text);
}

void SetSpinRange(HWND dialog, int spinId, const FieldRange& range)
{
    SendDlgItemMessageW(dialog, spinId, UDM_SETRANGE32, range.Minimum, range.Maximum);
}

bool ReadRangedEdit(HWND dialog, int editId, const FieldRange& range, int messageId, int32_t* value)
{
    const int number = ReadEditInteger(dialog, editId);
    if (!IsInRange(range, number)) {
        ShowValidRangeError(dialog, messageId, range.Minimum, range.Maximum);
        SetFocus(GetDlgItem(dialog, editId));
        return false;
    }
    *value = number;
    return true;
}

int ScrollBarPosition(HWND dialog, int scrollBarId)
{
    return GetScrollPos(GetDlgItem(dialog, scrollBarId), SB_CTL);
}

void SetScrollBar(HWND dialog, int scrollBarId, int low, int high, int position, bool redraw)
{
    HWND scrollBar = GetDlgItem(dialog, scrollBarId);
    SetScrollRange(scrollBar, SB_CTL, low, high, FALSE);
    SetScrollPos(scrollBar, SB_CTL, position, redraw ? TRUE : FALSE);
}
