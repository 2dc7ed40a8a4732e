#include "label_test_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "wine_test_support.h"

namespace {

/* The common file dialog's file-name combo box (cmb13). */
const int FileNameBoxId = 1148;

}  // namespace

void WriteDefaultCatalogue(const std::vector<LabelEntry>& labels)
{
    SaveLabelCatalogue(labels.data(), static_cast<int>(labels.size()), nullptr);
}

std::vector<LabelEntry> ReadCatalogue(const wchar_t* path)
{
    std::vector<LabelEntry> labels(MaxLabels);
    labels.resize(LoadLabelCatalogue(labels.data(), MaxLabels, path));
    return labels;
}

std::vector<std::string> NamesOf(const std::vector<LabelEntry>& labels)
{
    std::vector<std::string> names;
    for (const LabelEntry& label : labels)
        names.push_back(label.name);
    return names;
}

TemporaryFile::TemporaryFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path = std::wstring(folder) + name;
    DeleteFileW(path.c_str());
}

TemporaryFile::~TemporaryFile()
{
    DeleteFileW(path.c_str());
}

LabelSheet::LabelSheet(DWORD mode, const char* labelName)
{
    library = LoadDriverLibrary();
    auto entry = DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets");
    BuildDefaultDevMode(&in, nullptr);
    snprintf(in.Extra.LabelName, sizeof in.Extra.LabelName, "%s", labelName);
    in.Extra.HorizontalOffset = 7;
    in.Extra.VerticalOffset = -7;
    header = DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), out.get(), mode);
    if (entry != nullptr)
        session = SheetSession::Open(entry, reinterpret_cast<LPARAM>(&header));
    // The sheet window can be up before its first page has read the catalogue.
    for (int waited = 0; session != nullptr && session->CurrentPage() == nullptr && waited < 5000;
         waited += 20)
        Sleep(20);
}

LabelSheet::~LabelSheet()
{
    session.reset();
    if (library != nullptr)
        FreeLibrary(library);
}

void LabelSheet::ChooseLabel(int index)
{
    HWND combo = session->Control(IDC_LABEL_COMBO);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    session->SendToPage(WM_COMMAND, MAKEWPARAM(IDC_LABEL_COMBO, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(combo));
}

int LabelSheet::SelectedLabel() const
{
    return static_cast<int>(SendMessageW(session->Control(IDC_LABEL_COMBO), CB_GETCURSEL, 0, 0));
}

std::vector<std::string> LabelSheet::ComboNames() const
{
    HWND combo = session->Control(IDC_LABEL_COMBO);
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[256] = "";
        if (SendMessageA(combo, CB_GETLBTEXTLEN, i, 0) < 256)
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

HWND LabelSheet::OpenManageLabels(const wchar_t* caption)
{
    session->ClickLater(IDC_LABEL_MANAGE);
    HWND dialog = session->WaitForDialog(caption);
    Settle();
    return dialog;
}

void SetDialogText(HWND dialog, int id, const char* text)
{
    // As a user would, focus the edit before typing: the list box reacts to
    // losing the focus.
    HWND edit = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::string DialogText(HWND dialog, int id)
{
    char text[256] = "";
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void PressButton(HWND dialog, int id)
{
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PressButtonLater(HWND dialog, int id)
{
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool IsButtonChecked(HWND dialog, int id)
{
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SelectListEntry(HWND dialog, int index)
{
    HWND list = GetDlgItem(dialog, IDC_MANAGE_LIST);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MANAGE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

int ListSelection(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_MANAGE_LIST, LB_GETCURSEL, 0, 0));
}

std::vector<std::string> ListNames(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_MANAGE_LIST);
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[256] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < 256)
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

void FillLabelFields(HWND dialog, const char* name, const char* width, const char* length,
                     const char* horzOffset, const char* vertOffset)
{
    SetDialogText(dialog, IDC_MANAGE_NAME, name);
    SetDialogText(dialog, IDC_MANAGE_WIDTH, width);
    SetDialogText(dialog, IDC_MANAGE_LENGTH, length);
    SetDialogText(dialog, IDC_MANAGE_HORZ_OFFSET, horzOffset);
    SetDialogText(dialog, IDC_MANAGE_VERT_OFFSET, vertOffset);
}

bool WaitGone(HWND window, DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        if (!IsWindow(window))
            return true;
        Sleep(20);
    }
    return !IsWindow(window);
}

namespace {

struct DialogSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    wchar_t text[128] = L"";
    wchar_t name[16] = L"";
    GetWindowTextW(window, text, 128);
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0 && lstrcmpW(text, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/* The file-name box is an edit inside the dialog's combo box. */
HWND FileNameEdit(HWND fileDialog)
{
    HWND box = GetDlgItem(fileDialog, FileNameBoxId);
    HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr);
    HWND edit = FindWindowExW(combo != nullptr ? combo : box, nullptr, L"Edit", nullptr);
    return edit != nullptr ? edit : box;
}

}  // namespace

HWND WaitForThreadDialog(HWND sibling, const wchar_t* caption, DWORD milliseconds)
{
    const DWORD thread = GetWindowThreadProcessId(sibling, nullptr);
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        DialogSearch search = {caption, nullptr};
        EnumThreadWindows(thread, MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

void ConfirmFileDialog(HWND fileDialog, const std::wstring& path)
{
    SendMessageW(FileNameEdit(fileDialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(GetDlgItem(fileDialog, IDOK), BM_CLICK, 0, 0);
}
