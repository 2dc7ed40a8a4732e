#include "control_dump.h"

#include <commctrl.h>

#include <vector>

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

bool SameClass(const std::wstring& name, const wchar_t* other)
{
    return lstrcmpiW(name.c_str(), other) == 0;
}

bool IsCheckable(HWND button)
{
    switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

/* Items of a combo box or list box through its own count, length and text
 * messages. */
std::string DescribeItems(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage,
                          UINT selectionMessage)
{
    const LRESULT count = SendMessageW(control, countMessage, 0, 0);
    std::string text = Format(" items=%ld", static_cast<long>(count));
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, lengthMessage, i, 0);
        std::vector<wchar_t> item(length >= 0 ? length + 1 : 1, L'\0');
        if (length >= 0)
            SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(item.data()));
        text += " " + Quoted(item.data());
    }
    return text + Format(" selected=%ld", static_cast<long>(SendMessageW(control, selectionMessage, 0, 0)));
}

std::string DescribeScrollBar(HWND control)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(control, SB_CTL, &info))
        return " scroll=none";
    return Format(" scroll=%d range=%d..%d page=%u", info.nPos, info.nMin, info.nMax, info.nPage);
}

std::string DescribeSpin(HWND control)
{
    int low = 0;
    int high = 0;
    SendMessageW(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    BOOL failed = FALSE;
    const LRESULT position = SendMessageW(control, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    HWND buddy = reinterpret_cast<HWND>(SendMessageW(control, UDM_GETBUDDY, 0, 0));
    return Format(" spin=%ld%s range=%d..%d buddy=%d", static_cast<long>(position), failed ? "(failed)" : "",
                  low, high, buddy != nullptr ? GetDlgCtrlID(buddy) : -1);
}

}  // namespace

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(length + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    return text.data();
}

std::string DescribeControl(HWND control)
{
    const std::wstring name = ClassOf(control);
    std::string text =
        Format("id=%d class=", GetDlgCtrlID(control)) + Quoted(name) +
        " text=" + Quoted(WindowText(control)) +
        Format(" visible=%d enabled=%d", (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0,
               IsWindowEnabled(control) != FALSE);
    if (SameClass(name, L"Button") && IsCheckable(control))
        text += Format(" check=%ld", static_cast<long>(SendMessageW(control, BM_GETCHECK, 0, 0)));
    else if (SameClass(name, L"ScrollBar"))
        text += DescribeScrollBar(control);
    else if (SameClass(name, L"ComboBox"))
        text += DescribeItems(control, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL);
    else if (SameClass(name, L"ListBox"))
        text += DescribeItems(control, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL) +
                Format(" extent=%ld", static_cast<long>(SendMessageW(control, LB_GETHORIZONTALEXTENT, 0, 0)));
    else if (SameClass(name, UPDOWN_CLASSW))
        text += DescribeSpin(control);
    return text;
}

void RecordControls(ObservationLog& log, HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SameClass(ClassOf(child), L"#32770"))
            continue;
        log.Add(DescribeControl(child));
    }
}
