/*
 * Drives a real property sheet under Wine as a user would.  The sheet runs
 * modally through the common property-sheet host on a user-interface thread
 * of its own; the test thread switches pages, types, clicks and presses OK
 * or Cancel.  Message boxes that appear on the sheet's thread are caught,
 * recorded and answered (OK unless told otherwise).
 */
#ifndef PDR_TESTS_SHEET_SESSION_H
#define PDR_TESTS_SHEET_SESSION_H

#include <windows.h>
#include <compstui.h>

#include <memory>
#include <string>
#include <vector>

struct CapturedMessageBox {
    std::wstring Caption;
    std::wstring Text;
};

class SheetSession {
public:
    /* Opens the sheet through CommonPropertySheetUIW with `entry` (a
     * DrvDocumentPropertySheets or DrvDevicePropertySheets) and `header` as
     * its initial parameter; returns once the sheet window exists, or null
     * when it did not appear. */
    static std::unique_ptr<SheetSession> Open(PFNPROPSHEETUI entry, LPARAM header);
    ~SheetSession();

    HWND Sheet() const;
    HWND CurrentPage() const;
    int PageCount() const;
    std::wstring PageTitle(int index) const;
    void SelectPage(int index);

    HWND Control(int id) const;
    void SetText(int id, const wchar_t* text);
    std::wstring Text(int id) const;
    std::string TextA(int id) const;
    void Click(int id);
    /* For buttons that open a modal dialog: returns at once. */
    void ClickLater(int id);
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;
    LRESULT SendToPage(UINT message, WPARAM wParam, LPARAM lParam);
    void Scroll(int scrollBarId, WORD code, WORD position = 0);
    int ScrollPosition(int scrollBarId) const;

    /* A top-level dialog of the sheet's thread other than the sheet, found
     * by its caption, waiting up to a few seconds for it. */
    HWND WaitForDialog(const wchar_t* caption) const;

    void PressOk();
    void PressCancel();
    /* True when the sheet has closed; then HostResult() holds its result. */
    bool WaitClosed(DWORD milliseconds = 5000);
    LONG CallResult() const;
    DWORD HostResult() const;

    std::vector<CapturedMessageBox> MessageBoxes() const;
    /* The boxes seen so far, once at least `count` were (or the time ran out). */
    std::vector<CapturedMessageBox> WaitForMessageBoxes(size_t count, DWORD milliseconds = 3000) const;
    void ClearMessageBoxes();
    void AnswerMessageBoxesWith(int button);

    struct State;

private:
    SheetSession() = default;
    std::unique_ptr<State> state;
};

/* Lets queued work on the sheet's thread run (messages, paints). */
void Settle(DWORD milliseconds = 50);

#endif
