/* A label list the system does not let this user change, on one sheet of
 * this process (so that the library meets the test's seams): a refused OK
 * says who manages the list, and a locked list opens read-only. */
#include <gtest/gtest.h>

#include "catalogue_rights.h"
#include "label_test_support.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_context/driver_ui_contract.h"
#include "wine_test_support.h"

namespace {

const wchar_t Managed[] =
    L"The label list is managed by the administrator: you can view it, but not change it.";
const wchar_t Refused[] =
    L"Error: The label list is managed by the administrator. Any changes you've made will not be saved.";

std::wstring WideText(HWND dialog, int id)
{
    wchar_t text[256] = L"";
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

TEST(LockedCatalogue, ManageLabelsAndTheLabelPageTellWhoManagesTheList)
{
    DefaultCatalogueGuard guard;
    WriteDefaultCatalogue({MakeLabel("A", "4.00", "6.00", Inches, 257)});
    const std::string before = FileBytes(guard.Path());
    UseProgramAsModule();
    DemoPrinter printer;
    DriverDevMode in;
    BuildDefaultDevMode(&in, nullptr);
    CallerRecord out{508};
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in),
                                                   out.get(), DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY);
    CatalogueRights rights;
    auto sheet = SheetSession::Open(DrvDocumentPropertySheets, reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    for (int waited = 0; sheet->CurrentPage() == nullptr && waited < 5000; waited += 20)
        Sleep(20);
    HWND combo = sheet->Control(IDC_LABEL_COMBO);
    auto pickFirst = [&] {
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        sheet->SendToPage(WM_COMMAND, MAKEWPARAM(IDC_LABEL_COMBO, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(combo));
    };
    pickFirst();
    EXPECT_TRUE(sheet->IsEnabled(IDC_LABEL_SAVE_SETTINGS));

    // Open to this user, but the system refuses the replace at OK.
    sheet->ClickLater(IDC_LABEL_MANAGE);
    HWND dialog = sheet->WaitForDialog(L"Manage Labels");
    ASSERT_NE(nullptr, dialog);
    Settle();
    EXPECT_EQ(L"", WideText(dialog, IDC_MANAGE_LOCKED_NOTE));
    FillLabelFields(dialog, "B", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    rights.replaceRefused = true;
    PressButton(dialog, IDOK);
    std::vector<CapturedMessageBox> boxes = sheet->WaitForMessageBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(Refused, boxes[0].Caption + L": " + boxes[0].Text);
    sheet->ClearMessageBoxes();
    EXPECT_EQ(before, FileBytes(guard.Path()));
    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitGone(dialog));
    rights.replaceRefused = false;

    // Locked: the page offers no save, the dialog opens read-only.
    rights.locked = true;
    pickFirst();
    EXPECT_FALSE(sheet->IsEnabled(IDC_LABEL_SAVE_SETTINGS));
    EXPECT_TRUE(sheet->IsEnabled(IDC_LABEL_MANAGE));
    sheet->ClickLater(IDC_LABEL_MANAGE);
    dialog = sheet->WaitForDialog(L"Manage Labels");
    ASSERT_NE(nullptr, dialog);
    Settle();
    EXPECT_EQ(Managed, WideText(dialog, IDC_MANAGE_LOCKED_NOTE));
    for (int id : {IDC_MANAGE_ADD, IDC_MANAGE_MODIFY, IDC_MANAGE_DELETE, IDC_MANAGE_IMPORT})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_MANAGE_EXPORT)));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_MANAGE_NAME), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ((std::vector<std::string>{"A"}), ListNames(dialog));
    PressButton(dialog, IDOK);
    EXPECT_TRUE(WaitGone(dialog));
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    EXPECT_EQ(before, FileBytes(guard.Path()));

    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
}

}  // namespace
