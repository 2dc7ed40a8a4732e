#include "sheet_session.h"

#include <commctrl.h>
#include <prsht.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

/* Control ids of the platform's own windows. */
const int TabControlId = 0x3020;
const int MessageBoxTextId = 0xFFFF;
const int MessageBoxIconId = 1088;

std::wstring WindowText(HWND window)
{
    wchar_t buffer[1024];
    buffer[0] = 0;
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

bool IsDialogClass(HWND window)
{
    wchar_t name[16];
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32770") == 0;
}

}  // namespace

struct SheetSession::State {
    PFNPROPSHEETUI entry = nullptr;
    LPARAM header = 0;
    std::thread ui;
    std::atomic<HWND> sheet{nullptr};
    std::atomic<bool> closed{false};
    std::atomic<int> answer{IDOK};
    LONG callResult = 0;
    DWORD hostResult = 0;
    mutable std::mutex lock;
    std::vector<CapturedMessageBox> boxes;
    std::vector<HWND> dialogs;
    HWND lastBox = nullptr; /* touched on the sheet's thread only */
};

namespace {

thread_local SheetSession::State* hookedState = nullptr;

void ClassifyActivatedWindow(SheetSession::State* state, HWND window)
{
    if (!IsDialogClass(window))
        return;
    if (GetDlgItem(window, TabControlId) != nullptr) {
        HWND none = nullptr;
        state->sheet.compare_exchange_strong(none, window);
        return;
    }
    if (GetDlgItem(window, MessageBoxTextId) != nullptr && GetDlgItem(window, MessageBoxIconId) != nullptr) {
        // Another program on the shared desktop can take the activation
        // while the box is up; its second activation is the same box.
        if (window == state->lastBox)
            return;
        state->lastBox = window;
        wchar_t text[1024];
        text[0] = 0;
        GetDlgItemTextW(window, MessageBoxTextId, text, 1024);
        {
            std::lock_guard<std::mutex> guard(state->lock);
            state->boxes.push_back({WindowText(window), text});
        }
        PostMessageW(window, WM_COMMAND, state->answer.load(), 0);
        return;
    }
    std::lock_guard<std::mutex> guard(state->lock);
    state->dialogs.push_back(window);
}

LRESULT CALLBACK WatchWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && hookedState != nullptr)
        ClassifyActivatedWindow(hookedState, reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RunSheet(SheetSession::State* state)
{
    hookedState = state;
    HHOOK hook = SetWindowsHookExW(WH_CBT, WatchWindows, nullptr, GetCurrentThreadId());
    state->callResult = CommonPropertySheetUIW(nullptr, state->entry, state->header, &state->hostResult);
    UnhookWindowsHookEx(hook);
    hookedState = nullptr;
    state->closed = true;
}

}  // namespace

std::unique_ptr<SheetSession> SheetSession::Open(PFNPROPSHEETUI entry, LPARAM header)
{
    std::unique_ptr<SheetSession> session(new SheetSession);
    session->state.reset(new State);
    State* state = session->state.get();
    state->entry = entry;
    state->header = header;
    state->ui = std::thread(RunSheet, state);
    for (int waited = 0; waited < 10000 && state->sheet == nullptr && !state->closed; waited += 10)
        Sleep(10);
    if (state->sheet == nullptr) {
        session->WaitClosed(2000);
        return nullptr;
    }
    Settle();
    return session;
}

SheetSession::~SheetSession()
{
    if (!state->closed) {
        PressCancel();
        WaitClosed(5000);
    }
    if (state->ui.joinable()) {
        if (state->closed)
            state->ui.join();
        else
            state->ui.detach();
    }
}

HWND SheetSession::Sheet() const
{
    return state->sheet;
}

HWND SheetSession::CurrentPage() const
{
    return reinterpret_cast<HWND>(SendMessageW(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
}

int SheetSession::PageCount() const
{
    return static_cast<int>(SendDlgItemMessageW(Sheet(), TabControlId, TCM_GETITEMCOUNT, 0, 0));
}

std::wstring SheetSession::PageTitle(int index) const
{
    wchar_t text[128];
    text[0] = 0;
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    SendDlgItemMessageW(Sheet(), TabControlId, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

void SheetSession::SelectPage(int index)
{
    SendMessageW(Sheet(), PSM_SETCURSEL, index, 0);
    Settle();
}

HWND SheetSession::Control(int id) const
{
    return GetDlgItem(CurrentPage(), id);
}

void SheetSession::SetText(int id, const wchar_t* text)
{
    SetWindowTextW(Control(id), text);
}

std::wstring SheetSession::Text(int id) const
{
    return WindowText(Control(id));
}

std::string SheetSession::TextA(int id) const
{
    char buffer[1024];
    buffer[0] = 0;
    GetWindowTextA(Control(id), buffer, 1024);
    return buffer;
}

void SheetSession::Click(int id)
{
    SendMessageW(Control(id), BM_CLICK, 0, 0);
}

void SheetSession::ClickLater(int id)
{
    PostMessageW(Control(id), BM_CLICK, 0, 0);
}

bool SheetSession::IsChecked(int id) const
{
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool SheetSession::IsEnabled(int id) const
{
    return IsWindowEnabled(Control(id)) != FALSE;
}

bool SheetSession::IsVisible(int id) const
{
    return (GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

LRESULT SheetSession::SendToPage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(CurrentPage(), message, wParam, lParam);
}

void SheetSession::Scroll(int scrollBarId, WORD code, WORD position)
{
    SendToPage(WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(Control(scrollBarId)));
}

int SheetSession::ScrollPosition(int scrollBarId) const
{
    return GetScrollPos(Control(scrollBarId), SB_CTL);
}

HWND SheetSession::WaitForDialog(const wchar_t* caption) const
{
    for (int waited = 0; waited < 5000; waited += 20) {
        {
            std::lock_guard<std::mutex> guard(state->lock);
            for (HWND dialog : state->dialogs)
                if (IsWindow(dialog) && WindowText(dialog) == caption)
                    return dialog;
        }
        Sleep(20);
    }
    return nullptr;
}

void SheetSession::PressOk()
{
    PostMessageW(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    Settle(100);
}

void SheetSession::PressCancel()
{
    PostMessageW(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    Settle(100);
}

bool SheetSession::WaitClosed(DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds && !state->closed; waited += 10)
        Sleep(10);
    if (state->closed && state->ui.joinable())
        state->ui.join();
    return state->closed;
}

LONG SheetSession::CallResult() const
{
    return state->callResult;
}

DWORD SheetSession::HostResult() const
{
    return state->hostResult;
}

std::vector<CapturedMessageBox> SheetSession::MessageBoxes() const
{
    std::lock_guard<std::mutex> guard(state->lock);
    return state->boxes;
}

std::vector<CapturedMessageBox> SheetSession::WaitForMessageBoxes(size_t count, DWORD milliseconds) const
{
    for (DWORD waited = 0; waited < milliseconds && MessageBoxes().size() < count; waited += 10)
        Sleep(10);
    return MessageBoxes();
}

void SheetSession::ClearMessageBoxes()
{
    std::lock_guard<std::mutex> guard(state->lock);
    state->boxes.clear();
}

void SheetSession::AnswerMessageBoxesWith(int button)
{
    state->answer = button;
}

void Settle(DWORD milliseconds)
{
    Sleep(milliseconds);
}
