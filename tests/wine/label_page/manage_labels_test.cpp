/* The Manage Labels dialog, opened from the Label page of a real sheet. */
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <thread>

#include "label_test_support.h"
#include "resources/resource_ids.h"
#include "wine_test_support.h"

namespace {

using Texts = std::vector<std::string>;
using Boxes = std::vector<std::wstring>;

class ManageLabels : public ::testing::Test {
protected:
    void Open(const std::vector<LabelEntry>& catalogue, const wchar_t* caption = L"Manage Labels")
    {
        WriteDefaultCatalogue(catalogue);
        sheet.reset(new LabelSheet);
        ASSERT_TRUE(sheet->IsOpen());
        dialog = sheet->OpenManageLabels(caption);
        ASSERT_NE(nullptr, dialog);
    }

    void TearDown() override
    {
        if (dialog != nullptr && IsWindow(dialog)) {
            PressButton(dialog, IDCANCEL);
            WaitGone(dialog);
        }
        sheet.reset();
    }

    /* Whether `count` message boxes were shown within a minute. */
    bool WaitForBoxes(size_t count)
    {
        for (int waited = 0; waited < 3000 && (*sheet)->MessageBoxes().size() < count; ++waited)
            Sleep(20);
        return (*sheet)->MessageBoxes().size() >= count;
    }

    /* The message boxes shown since the last call, as "caption: text". */
    Boxes TakeBoxes()
    {
        Boxes texts;
        for (const CapturedMessageBox& box : (*sheet)->MessageBoxes())
            texts.push_back(box.Caption + L": " + box.Text);
        (*sheet)->ClearMessageBoxes();
        return texts;
    }

    void PressOkAndWait()
    {
        PressButton(dialog, IDOK);
        EXPECT_TRUE(WaitGone(dialog));
    }

    void ExpectFields(const char* name, const char* width, const char* length, const char* horz,
                      const char* vert)
    {
        EXPECT_EQ(name, DialogText(dialog, IDC_MANAGE_NAME));
        EXPECT_EQ(width, DialogText(dialog, IDC_MANAGE_WIDTH));
        EXPECT_EQ(length, DialogText(dialog, IDC_MANAGE_LENGTH));
        EXPECT_EQ(horz, DialogText(dialog, IDC_MANAGE_HORZ_OFFSET));
        EXPECT_EQ(vert, DialogText(dialog, IDC_MANAGE_VERT_OFFSET));
    }

    void ExpectRanges(const char* width, const char* length)
    {
        EXPECT_EQ(width, DialogText(dialog, IDC_MANAGE_WIDTH_RANGE));
        EXPECT_EQ(length, DialogText(dialog, IDC_MANAGE_LENGTH_RANGE));
    }

    DefaultCatalogueGuard guard;
    std::unique_ptr<LabelSheet> sheet;
    HWND dialog = nullptr;
};

std::vector<LabelEntry> NumberedLabels(int count)
{
    std::vector<LabelEntry> labels;
    for (int i = 0; i < count; ++i) {
        char name[16];
        snprintf(name, sizeof name, "L%d", i + 1);
        labels.push_back(MakeLabel(name, "4.00", "6.00", Inches, FirstLabelId + i));
    }
    return labels;
}

/* Returns once the dialog's thread is back in the dialog's own message
 * loop: a command that ran a file dialog (Import, Export) has finished
 * once that dialog is gone and this returns. */
void FinishCommand(HWND dialog)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
}

TEST_F(ManageLabels, A129thLabelIsRefusedUntilOneIsDeleted)
{
    ASSERT_NO_FATAL_FAILURE(Open(NumberedLabels(MaxLabels)));
    ASSERT_EQ(static_cast<size_t>(MaxLabels), ListNames(dialog).size());
    FillLabelFields(dialog, "Extra", "4.00", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Too many labels"}, TakeBoxes());
    EXPECT_EQ(static_cast<size_t>(MaxLabels), ListNames(dialog).size());

    SelectListEntry(dialog, 5);
    PressButton(dialog, IDC_MANAGE_DELETE);
    FillLabelFields(dialog, "Extra", "4.00", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_TRUE(TakeBoxes().empty());
    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(static_cast<size_t>(MaxLabels), saved.size());
    EXPECT_STREQ("L7", saved[5].name);
    EXPECT_STREQ("Extra", saved.back().name);
    EXPECT_EQ(FirstLabelId + MaxLabels, saved.back().id);
}

TEST_F(ManageLabels, NamesAreTrimmedRequiredAndComparedWithoutCase)
{
    ASSERT_NO_FATAL_FAILURE(Open({}));
    FillLabelFields(dialog, "  Label A \t", "4.00", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Texts{"Label A"}, ListNames(dialog));
    EXPECT_GT(SendDlgItemMessageW(dialog, IDC_MANAGE_LIST, LB_GETHORIZONTALEXTENT, 0, 0), 3);
    // Add leaves the selection (none in an empty list) and the edits alone.
    EXPECT_EQ(LB_ERR, ListSelection(dialog));
    EXPECT_EQ("  Label A \t", DialogText(dialog, IDC_MANAGE_NAME));

    SetDialogText(dialog, IDC_MANAGE_NAME, "label a");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Name already used."}, TakeBoxes());
    SetDialogText(dialog, IDC_MANAGE_NAME, "   ");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: You must enter a name."}, TakeBoxes());
    EXPECT_EQ(Texts{"Label A"}, ListNames(dialog));

    SetDialogText(dialog, IDC_MANAGE_NAME, "Label B");
    PressButton(dialog, IDC_MANAGE_ADD);
    SelectListEntry(dialog, 0);
    SetDialogText(dialog, IDC_MANAGE_NAME, "label b");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_EQ(Boxes{L"Error: Name already used."}, TakeBoxes());
    // A label may change the case of its own name.
    SetDialogText(dialog, IDC_MANAGE_NAME, "LABEL A");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ((Texts{"LABEL A", "Label B"}), ListNames(dialog));
    EXPECT_EQ(0, ListSelection(dialog));

    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(2u, saved.size());
    EXPECT_STREQ("LABEL A", saved[0].name);
    EXPECT_EQ(FirstLabelId, saved[0].id);
    EXPECT_EQ(FirstLabelId + 1, saved[1].id);
    EXPECT_EQ(Inches, saved[0].units);
}

/* A pasted tab or another control character is part of the name, as are
 * quotes and backslashes; the file writes them as JSON escapes. */
TEST_F(ManageLabels, NamesWithControlCharactersAreAddedAndExported)
{
    const char* const quoted = "Say \"hi\" \\ a\tb";
    const char* const control = "a\x01"
                                "b";
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("Plain", "4.00", "6.00", Inches, 257)}));
    FillLabelFields(dialog, quoted, "4.00", "6.00", "+5", "0");
    PressButton(dialog, IDC_MANAGE_ADD);
    FillLabelFields(dialog, control, "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    SelectListEntry(dialog, 0);
    SetDialogText(dialog, IDC_MANAGE_NAME, "Plain\x7f");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ((Texts{"Plain\x7f", quoted, control}), ListNames(dialog));
    // Read to the end: the offsets show their normalised texts.
    EXPECT_EQ("0", DialogText(dialog, IDC_MANAGE_HORZ_OFFSET));

    TemporaryFile exported(L"pdr-export-control.kmr");
    PressButtonLater(dialog, IDC_MANAGE_EXPORT);
    HWND files = WaitForThreadDialog(dialog, L"Save As");
    ASSERT_NE(nullptr, files);
    ConfirmFileDialog(files, exported.path);
    ASSERT_TRUE(WaitGone(files));
    FinishCommand(dialog);
    const std::string bytes = FileBytes(exported.path);
    EXPECT_NE(std::string::npos, bytes.find("\"name\":\t\"Plain\x7f\",")) << bytes;
    EXPECT_NE(std::string::npos, bytes.find("\"name\":\t\"Say \\\"hi\\\" \\\\ a\\tb\",")) << bytes;
    EXPECT_NE(std::string::npos, bytes.find("\"name\":\t\"a\\u0001b\",")) << bytes;

    PressOkAndWait();
    EXPECT_EQ(bytes, FileBytes(guard.Path()));
    std::vector<LabelEntry> saved = ReadCatalogue();
    EXPECT_EQ((Texts{"Plain\x7f", quoted, control}), NamesOf(saved));
    ASSERT_EQ(3u, saved.size());
    EXPECT_STREQ("5", saved[1].horzOffset);
    EXPECT_EQ(FirstLabelId + 2, saved[2].id);
}

TEST_F(ManageLabels, InchLimitsRefuseTheirRoundedEnds)
{
    ASSERT_NO_FATAL_FAILURE(Open({}));
    FillLabelFields(dialog, "Narrow", "0.39", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Width\nValid range: 0.39 - 5.07"}, TakeBoxes());
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "5.07");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Width\nValid range: 0.39 - 5.07"}, TakeBoxes());
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "0.40");
    SetDialogText(dialog, IDC_MANAGE_LENGTH, "120.01");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Length\nValid range: 0.39 - 120.00"}, TakeBoxes());
    SetDialogText(dialog, IDC_MANAGE_LENGTH, " 120 ");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_TRUE(TakeBoxes().empty());
    FillLabelFields(dialog, "Plain", "4", "6");
    PressButton(dialog, IDC_MANAGE_ADD);

    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(2u, saved.size());
    // Accepted texts are kept as typed, only trimmed.
    EXPECT_STREQ("0.40", saved[0].width);
    EXPECT_STREQ("120", saved[0].length);
    EXPECT_STREQ("4", saved[1].width);
}

TEST_F(ManageLabels, EmptyCatalogueStartsInInchesAndSwitchesBothWays)
{
    ASSERT_NO_FATAL_FAILURE(Open({}));
    EXPECT_TRUE(ListNames(dialog).empty());
    ExpectFields("", "4.00", "6.00", "0", "0");
    EXPECT_TRUE(IsButtonChecked(dialog, IDC_MANAGE_INCHES));
    EXPECT_FALSE(IsButtonChecked(dialog, IDC_MANAGE_MM));
    ExpectRanges("0.39 - 5.07", "0.39 - 120.00");
    EXPECT_EQ(3, SendDlgItemMessageW(dialog, IDC_MANAGE_LIST, LB_GETHORIZONTALEXTENT, 0, 0));
    // The dialog itself is not taken for a message box.
    EXPECT_TRUE(TakeBoxes().empty());

    PressButton(dialog, IDC_MANAGE_MM);
    ExpectFields("", "101.60", "152.40", "0", "0");
    ExpectRanges("10.00 - 128.70", "10.00 - 3048.00");
    // The unit already chosen changes nothing.
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "10.00");
    PressButton(dialog, IDC_MANAGE_MM);
    EXPECT_EQ("10.00", DialogText(dialog, IDC_MANAGE_WIDTH));
    PressButton(dialog, IDC_MANAGE_INCHES);
    EXPECT_EQ("0.39", DialogText(dialog, IDC_MANAGE_WIDTH));
    EXPECT_EQ("6.00", DialogText(dialog, IDC_MANAGE_LENGTH));
    ExpectRanges("0.39 - 5.07", "0.39 - 120.00");
    // 10 mm shown in inches rounds below the inch minimum.
    SetDialogText(dialog, IDC_MANAGE_NAME, "Small");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Width\nValid range: 0.39 - 5.07"}, TakeBoxes());
    // No check is made on a switch: a text without a number becomes 0.
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "abc");
    PressButton(dialog, IDC_MANAGE_MM);
    EXPECT_EQ("0.00", DialogText(dialog, IDC_MANAGE_WIDTH));
}

TEST_F(ManageLabels, TenthsLabelIsCheckedInMillimetresUntilSwitched)
{
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("Tenths", "1016", "1524", TenthMillimetres, 300, "5", "-5")}));
    ExpectFields("Tenths", "1016", "1524", "5", "-5");
    EXPECT_TRUE(IsButtonChecked(dialog, IDC_MANAGE_MM));
    ExpectRanges("100.00 - 1287.00", "100.00 - 30480.00");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_EQ(Boxes{L"Error: Invalid Width\nValid range: 10.00 - 128.70"}, TakeBoxes());
    PressButton(dialog, IDC_MANAGE_MM);
    ExpectFields("Tenths", "101.60", "152.40", "5", "-5");
    ExpectRanges("10.00 - 128.70", "10.00 - 3048.00");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_TRUE(TakeBoxes().empty());
    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(1u, saved.size());
    EXPECT_EQ(Millimetres, saved[0].units);
    EXPECT_STREQ("101.60", saved[0].width);
    EXPECT_EQ(300, saved[0].id);
}

TEST_F(ManageLabels, OffsetsAreNormalisedAndChecked)
{
    ASSERT_NO_FATAL_FAILURE(Open({}));
    FillLabelFields(dialog, "Offsets", "4.00", "6.00", "1201", "0");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Horizontal Offset\nValid range: -1200 - 1200"}, TakeBoxes());
    SetDialogText(dialog, IDC_MANAGE_HORZ_OFFSET, " 12.9");
    SetDialogText(dialog, IDC_MANAGE_VERT_OFFSET, "-1201");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{L"Error: Invalid Vertical Offset\nValid range: -1200 - 1200"}, TakeBoxes());
    // The horizontal edit was read before the refusal and already shows its text.
    EXPECT_EQ("12", DialogText(dialog, IDC_MANAGE_HORZ_OFFSET));
    SetDialogText(dialog, IDC_MANAGE_HORZ_OFFSET, "-1200");
    SetDialogText(dialog, IDC_MANAGE_VERT_OFFSET, "abc");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ("0", DialogText(dialog, IDC_MANAGE_VERT_OFFSET));
    FillLabelFields(dialog, "Signed", "4.00", "6.00", "+5", "");
    PressButton(dialog, IDC_MANAGE_ADD);
    ExpectFields("Signed", "4.00", "6.00", "5", "0");

    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(2u, saved.size());
    EXPECT_STREQ("-1200", saved[0].horzOffset);
    EXPECT_STREQ("0", saved[0].vertOffset);
    EXPECT_STREQ("5", saved[1].horzOffset);
}

TEST_F(ManageLabels, ModifyAndDeleteFollowTheSelection)
{
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("A", "4.00", "6.00", Inches, 257),
                                  MakeLabel("B", "50", "80", Millimetres, 258, "3", "4"),
                                  MakeLabel("C", "2.00", "3.00", Inches, 259)}));
    EXPECT_EQ(0, ListSelection(dialog));
    ExpectFields("A", "4.00", "6.00", "0", "0");
    SelectListEntry(dialog, 1);
    ExpectFields("B", "50", "80", "3", "4");
    EXPECT_TRUE(IsButtonChecked(dialog, IDC_MANAGE_MM));

    PressButton(dialog, IDC_MANAGE_DELETE);
    EXPECT_EQ((Texts{"A", "C"}), ListNames(dialog));
    EXPECT_EQ(LB_ERR, ListSelection(dialog));
    // The edits keep showing the deleted label; Modify without a selection
    // changes nothing, though it still reads and normalises the fields.
    ExpectFields("B", "50", "80", "3", "4");
    SetDialogText(dialog, IDC_MANAGE_HORZ_OFFSET, "7.5");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ("7", DialogText(dialog, IDC_MANAGE_HORZ_OFFSET));
    EXPECT_EQ((Texts{"A", "C"}), ListNames(dialog));
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "500");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_EQ(Boxes{L"Error: Invalid Width\nValid range: 10.00 - 128.70"}, TakeBoxes());
    PressButton(dialog, IDC_MANAGE_DELETE);
    EXPECT_EQ((Texts{"A", "C"}), ListNames(dialog));

    SelectListEntry(dialog, 1);
    FillLabelFields(dialog, "C wide", "120", "80", "1", "2");
    PressButton(dialog, IDC_MANAGE_MM);
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "120");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_EQ((Texts{"A", "C wide"}), ListNames(dialog));
    EXPECT_EQ(1, ListSelection(dialog));

    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(2u, saved.size());
    EXPECT_STREQ("C wide", saved[1].name);
    EXPECT_STREQ("120", saved[1].width);
    EXPECT_EQ(Millimetres, saved[1].units);
    EXPECT_EQ(259, saved[1].id);
}

void Import(HWND dialog, const std::wstring& path)
{
    PressButtonLater(dialog, IDC_MANAGE_IMPORT);
    HWND files = WaitForThreadDialog(dialog, L"Open");
    ASSERT_NE(nullptr, files);
    ConfirmFileDialog(files, path);
    ASSERT_TRUE(WaitGone(files));
    FinishCommand(dialog);
}

TEST_F(ManageLabels, ImportReplacesTheWorkingList)
{
    TemporaryFile notCatalogue(L"pdr-not-a-catalogue.kmr");
    FILE* file = _wfopen(notCatalogue.path.c_str(), L"wb");
    ASSERT_NE(nullptr, file);
    fputs("not a catalogue", file);
    fclose(file);
    TemporaryFile imported(L"pdr-import-test.kmr");
    const std::vector<LabelEntry> three = {MakeLabel("X", "2.00", "3.00", Inches, 400),
                                           MakeLabel("Y", "60", "90", Millimetres, 401),
                                           MakeLabel("Z", "1.00", "1.00", Inches, 402)};
    SaveLabelCatalogue(three.data(), 3, imported.path.c_str());
    ASSERT_NO_FATAL_FAILURE(Open(NumberedLabels(10)));
    SelectListEntry(dialog, 4);
    SetDialogText(dialog, IDC_MANAGE_HORZ_OFFSET, "9");
    PressButton(dialog, IDC_MANAGE_MM);

    // A file without labels empties the list and shows a new label, not a stale one.
    ASSERT_NO_FATAL_FAILURE(Import(dialog, notCatalogue.path));
    EXPECT_TRUE(ListNames(dialog).empty());
    ExpectFields("", "4.00", "6.00", "0", "0");
    EXPECT_TRUE(IsButtonChecked(dialog, IDC_MANAGE_INCHES));
    ExpectRanges("0.39 - 5.07", "0.39 - 120.00");

    ASSERT_NO_FATAL_FAILURE(Import(dialog, imported.path));
    EXPECT_EQ((Texts{"X", "Y", "Z"}), ListNames(dialog));
    EXPECT_EQ(0, ListSelection(dialog));
    ExpectFields("X", "2.00", "3.00", "0", "0");
    PressOkAndWait();
    EXPECT_EQ((Texts{"X", "Y", "Z"}), NamesOf(ReadCatalogue()));
}

TEST_F(ManageLabels, ExportAsksBeforeOverwritingAndWritesUnsavedEdits)
{
    TemporaryFile exported(L"pdr-export-test.kmr");
    FILE* file = _wfopen(exported.path.c_str(), L"wb");
    ASSERT_NE(nullptr, file);
    fputs("old", file);
    fclose(file);
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("Kept", "4.00", "6.00", Inches, 257)}));
    FillLabelFields(dialog, "Unsaved", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);

    (*sheet)->AnswerMessageBoxesWith(IDNO);
    PressButtonLater(dialog, IDC_MANAGE_EXPORT);
    HWND files = WaitForThreadDialog(dialog, L"Save As");
    ASSERT_NE(nullptr, files);
    ConfirmFileDialog(files, exported.path);
    EXPECT_TRUE(WaitForBoxes(1));
    EXPECT_EQ(1u, TakeBoxes().size());
    EXPECT_TRUE(ReadCatalogue(exported.path.c_str()).empty());
    ASSERT_TRUE(IsWindow(files));

    (*sheet)->AnswerMessageBoxesWith(IDYES);
    ConfirmFileDialog(files, exported.path);
    ASSERT_TRUE(WaitGone(files));
    FinishCommand(dialog);
    EXPECT_EQ(1u, TakeBoxes().size());
    EXPECT_EQ((Texts{"Kept", "Unsaved"}), NamesOf(ReadCatalogue(exported.path.c_str())));

    // Export leaves the catalogue itself alone.
    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Texts{"Kept"}, NamesOf(ReadCatalogue()));
}

TEST_F(ManageLabels, AddDeleteExportAndImportKeepEveryStocksSettings)
{
    LabelEntry stock = MakeLabel("Stock", "4.00", "6.00", Inches, 257);
    stock.settings.PrintSpeed = 6;
    stock.settings.HasPrintSpeed = true;
    stock.settings.Pullback = 1;
    stock.settings.HasPullback = true;
    ASSERT_NO_FATAL_FAILURE(Open({stock, MakeLabel("Plain", "2.00", "3.00", Inches, 258)}));
    const std::string original = FileBytes(guard.Path());
    ASSERT_NE(std::string::npos, original.find("\"settings\""));
    TemporaryFile exported(L"pdr-export-settings.kmr");
    PressButtonLater(dialog, IDC_MANAGE_EXPORT);
    HWND files = WaitForThreadDialog(dialog, L"Save As");
    ASSERT_NE(nullptr, files);
    ConfirmFileDialog(files, exported.path);
    ASSERT_TRUE(WaitGone(files));
    FinishCommand(dialog);
    EXPECT_EQ(original, FileBytes(exported.path));

    // Add and Delete around the stock, then the export imported back.
    FillLabelFields(dialog, "New", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    SelectListEntry(dialog, 1);
    PressButton(dialog, IDC_MANAGE_DELETE);
    PressOkAndWait();
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ((Texts{"Stock", "New"}), NamesOf(saved));
    EXPECT_EQ(0, memcmp(&stock.settings, &saved[0].settings, sizeof stock.settings));
    EXPECT_FALSE(HasLabelSettings(saved[1].settings));

    dialog = sheet->OpenManageLabels();
    ASSERT_NE(nullptr, dialog);
    ASSERT_NO_FATAL_FAILURE(Import(dialog, exported.path));
    PressOkAndWait();
    EXPECT_EQ(original, FileBytes(guard.Path()));
}

TEST_F(ManageLabels, FailingSaveKeepsTheDialogOpen)
{
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("A", "4.00", "6.00", Inches, 257)}));
    FillLabelFields(dialog, "B", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);

    FILE* reader = _wfopen(guard.Path().c_str(), L"rb");
    ASSERT_NE(nullptr, reader);
    PressButton(dialog, IDOK);
    fclose(reader);
    EXPECT_EQ(Boxes{L"Error: Could not save the label list. Any changes you've made will not be saved."},
              TakeBoxes());
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ((Texts{"A", "B"}), ListNames(dialog));

    // Cancel writes nothing and the page keeps the list it had.
    WriteDefaultCatalogue({MakeLabel("Elsewhere", "4.00", "6.00", Inches, 257)});
    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitGone(dialog));
    EXPECT_EQ(Texts{"Elsewhere"}, NamesOf(ReadCatalogue()));
    EXPECT_EQ(Texts{"A"}, sheet->ComboNames());
    EXPECT_TRUE(TakeBoxes().empty());
}

/* OK while other threads of the process ask for the paper list in a tight
 * loop, as applications and the spooler do: every save goes through, and no
 * answer finds the list empty. */
TEST_F(ManageLabels, OkSavesWhileThePaperListIsReadAlongside)
{
    typedef DWORD(WINAPI * CapabilitiesFunction)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("A", "4.00", "6.00", Inches, 257)}));
    PressOkAndWait();
    HMODULE library = LoadDriverLibrary();
    auto capabilities = DriverExport<CapabilitiesFunction>(library, "DrvDeviceCapabilities");
    ASSERT_NE(nullptr, capabilities);
    std::atomic<bool> stop{false};
    std::atomic<long> answers{0}, empty{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i)
        readers.emplace_back([&] {
            WORD papers[MaxLabels];
            while (!stop) {
                DWORD count =
                    capabilities(nullptr, const_cast<PWSTR>(DemoPrinterName), DC_PAPERS, papers, nullptr);
                ++answers;
                if (count == 0 || count == static_cast<DWORD>(-1))
                    ++empty;
            }
        });

    const int saves = 10;
    int refused = 0;
    for (int i = 0; i < saves; ++i) {
        dialog = sheet->OpenManageLabels();
        ASSERT_NE(nullptr, dialog);
        char name[16];
        snprintf(name, sizeof name, "N%d", i);
        FillLabelFields(dialog, name, "2.00", "3.00");
        PressButton(dialog, IDC_MANAGE_ADD);
        // OK has run when the click returns: a refused save has shown its
        // message and left the dialog open.
        PressButton(dialog, IDOK);
        if (!TakeBoxes().empty()) {
            ++refused;
            PressButton(dialog, IDCANCEL);
        }
        EXPECT_TRUE(WaitGone(dialog, 60000));
    }
    dialog = nullptr;
    stop = true;
    for (std::thread& reader : readers)
        reader.join();
    FreeLibrary(library);
    printf("%d of %d saves refused; %ld paper lists read, %ld empty\n", refused, saves, answers.load(),
           empty.load());
    EXPECT_EQ(0, refused);
    EXPECT_EQ(0, empty.load());
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(static_cast<size_t>(1 + saves), ReadCatalogue().size());
}

TEST_F(ManageLabels, DialogsOfTwoSheetsKeepTheirOwnLists)
{
    ASSERT_NO_FATAL_FAILURE(Open({MakeLabel("First", "4.00", "6.00", Inches, 257)}));
    WriteDefaultCatalogue(
        {MakeLabel("Second", "4.00", "6.00", Inches, 257), MakeLabel("Third", "4.00", "6.00", Inches, 258)});
    LabelSheet other;
    ASSERT_TRUE(other.IsOpen());
    HWND otherDialog = other.OpenManageLabels();
    ASSERT_NE(nullptr, otherDialog);

    FillLabelFields(dialog, "Added", "2.00", "3.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    SelectListEntry(otherDialog, 0);
    PressButton(otherDialog, IDC_MANAGE_DELETE);
    EXPECT_EQ((Texts{"First", "Added"}), ListNames(dialog));
    EXPECT_EQ(Texts{"Third"}, ListNames(otherDialog));

    PressButton(otherDialog, IDCANCEL);
    EXPECT_TRUE(WaitGone(otherDialog));
    PressOkAndWait();
    EXPECT_EQ((Texts{"First", "Added"}), NamesOf(ReadCatalogue()));
    EXPECT_EQ((Texts{"First", "Added"}), sheet->ComboNames());
}

/* Run as its own program per language (see CMakeLists.txt). */
TEST_F(ManageLabels, MessagesFollowTheInterfaceLanguage)
{
    const char* language = getenv("PDR_EXPECT_LANGUAGE");
    if (language == nullptr)
        GTEST_SKIP() << "run with PDR_EXPECT_LANGUAGE";
    const bool german = std::string(language) == "de";
    ASSERT_NO_FATAL_FAILURE(
        Open(NumberedLabels(MaxLabels), german ? L"Etiketten verwalten" : L"G\u00E9rer les \u00E9tiquettes"));
    FillLabelFields(dialog, "Extra", "4.00", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    // The catalogue-full caption is the one text not taken from the table.
    EXPECT_EQ(Boxes{german ? L"Error: Zu viele Etiketten" : L"Error: Trop d'\u00E9tiquettes"}, TakeBoxes());
    SelectListEntry(dialog, 0);
    SetDialogText(dialog, IDC_MANAGE_WIDTH, "0.39");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    EXPECT_EQ(Boxes{german ? L"Fehler: Ung\u00FCltige Breite\nG\u00FCltiger Bereich: 0.39 - 5.07"
                           : L"Erreur: Largeur non valide\nPlage valide : 0.39 - 5.07"},
              TakeBoxes());
}

/* Run as its own program per language (see CMakeLists.txt). */
TEST_F(ManageLabels, NameMessagesFollowTheInterfaceLanguage)
{
    const char* language = getenv("PDR_EXPECT_LANGUAGE");
    if (language == nullptr)
        GTEST_SKIP() << "run with PDR_EXPECT_LANGUAGE";
    const bool german = std::string(language) == "de";
    ASSERT_NO_FATAL_FAILURE(Open({}, german ? L"Etiketten verwalten" : L"G\u00E9rer les \u00E9tiquettes"));
    // A control character is no reason for a message in any language.
    FillLabelFields(dialog, "A\tB", "4.00", "6.00");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(Texts{"A\tB"}, ListNames(dialog));
    SetDialogText(dialog, IDC_MANAGE_NAME, " \t ");
    PressButton(dialog, IDC_MANAGE_ADD);
    EXPECT_EQ(Boxes{german ? L"Fehler: Sie m\u00FCssen einen Namen eingeben."
                           : L"Erreur: Vous devez saisir un nom"},
              TakeBoxes());
}

}  // namespace
