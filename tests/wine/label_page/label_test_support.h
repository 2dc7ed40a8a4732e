/* Catalogues, sheets and the Manage Labels dialog as the label tests use them. */
#ifndef PDR_TESTS_LABEL_TEST_SUPPORT_H
#define PDR_TESTS_LABEL_TEST_SUPPORT_H

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "label_fixtures.h"
#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"
#include "sheet_session.h"
#include "sheet_test_support.h"

void WriteDefaultCatalogue(const std::vector<LabelEntry>& labels);
std::vector<LabelEntry> ReadCatalogue(const wchar_t* path = nullptr);
std::vector<std::string> NamesOf(const std::vector<LabelEntry>& labels);
/* A file in the temporary folder, deleted when the holder goes. */
struct TemporaryFile {
    explicit TemporaryFile(const wchar_t* name);
    ~TemporaryFile();
    std::wstring path;
};

/* A printing-preferences sheet opened through the built library. */
class LabelSheet {
public:
    LabelSheet(DWORD mode = DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY, const char* labelName = "");
    ~LabelSheet();
    SheetSession* operator->()
    {
        return session.get();
    }
    bool IsOpen() const
    {
        return session != nullptr;
    }
    DriverDevMode* Out()
    {
        return out.record();
    }
    DriverDevMode in;

    /* Selects a combo-box entry as a user would (with its notification). */
    void ChooseLabel(int index);
    int SelectedLabel() const;
    std::vector<std::string> ComboNames() const;
    /* Opens Manage Labels from the page; null when it did not appear. */
    HWND OpenManageLabels(const wchar_t* caption = L"Manage Labels");

private:
    HMODULE library = nullptr;
    DemoPrinter printer;
    CallerRecord out{508};
    DOCUMENTPROPERTYHEADER header;
    std::unique_ptr<SheetSession> session;
};

/* Driving an open Manage Labels dialog from the test thread. */
void SetDialogText(HWND dialog, int id, const char* text);
std::string DialogText(HWND dialog, int id);
/* Clicks a button and returns when its command has run (message boxes it
 * shows are answered by the session). */
void PressButton(HWND dialog, int id);
/* For buttons that open a modal dialog of their own. */
void PressButtonLater(HWND dialog, int id);
bool IsButtonChecked(HWND dialog, int id);
void SelectListEntry(HWND dialog, int index);
int ListSelection(HWND dialog);
std::vector<std::string> ListNames(HWND dialog);
/* Fills name, sizes and offsets; the units buttons are left alone. */
void FillLabelFields(HWND dialog, const char* name, const char* width, const char* length,
                     const char* horzOffset = "0", const char* vertOffset = "0");
bool WaitGone(HWND window, DWORD milliseconds = 5000);

/* A visible dialog of `sibling`'s thread with this caption; the first common
 * file dialog of a process takes several seconds to appear under Wine. */
HWND WaitForThreadDialog(HWND sibling, const wchar_t* caption, DWORD milliseconds = 20000);

/* Types `path` into a common file dialog's file-name box and confirms. */
void ConfirmFileDialog(HWND fileDialog, const std::wstring& path);

#endif
