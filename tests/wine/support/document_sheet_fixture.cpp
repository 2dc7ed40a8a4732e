#include "document_sheet_fixture.h"

#include "settings/devmode_ops.h"
#include "wine_test_support.h"

void DocumentEntryFixture::SetUp()
{
    library = LoadDriverLibrary();
    ASSERT_NE(nullptr, library);
    entry = DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets");
    ASSERT_NE(nullptr, entry);
}

void DocumentEntryFixture::TearDown()
{
    FreeLibrary(library);
}

void DocumentSheetFixture::SetUp()
{
    DocumentEntryFixture::SetUp();
    BuildDefaultDevMode(&in, nullptr);
}

void DocumentSheetFixture::TearDown()
{
    sheet.reset();
    DocumentEntryFixture::TearDown();
}

std::unique_ptr<SheetSession> DocumentSheetFixture::OpenDocumentSheet(DWORD mode)
{
    return OpenDocumentSheet(reinterpret_cast<DEVMODEW*>(&in), out, mode);
}

std::unique_ptr<SheetSession> DocumentSheetFixture::OpenDocumentSheet(DEVMODEW* input, CallerRecord& output,
                                                                      DWORD mode)
{
    header = DocumentHeader(printer.Handle(), input, output.get(), mode);
    return SheetSession::Open(entry, reinterpret_cast<LPARAM>(&header));
}

void DocumentSheetFixture::OpenSheet()
{
    sheet = OpenDocumentSheet();
    ASSERT_NE(nullptr, sheet);
}

void DocumentSheetFixture::OpenOnPage(int index, HWND* page)
{
    OpenSheet();
    if (sheet == nullptr)
        return;
    sheet->SelectPage(index);
    if (page == nullptr)
        return;
    *page = sheet->CurrentPage();
    ASSERT_NE(nullptr, *page);
}

void DocumentSheetFixture::CloseWithOk()
{
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(sheet->MessageBoxes().empty());
}

void DocumentSheetFixture::ExpectOneError(const wchar_t* text)
{
    auto boxes = sheet->WaitForMessageBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Error", boxes[0].Caption);
    EXPECT_EQ(text, boxes[0].Text);
    sheet->ClearMessageBoxes();
}
