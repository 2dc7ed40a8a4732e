/* The printing-preferences sheet through the common property-sheet host. */
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "document_sheet_fixture.h"
#include "settings/devmode_ops.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

class DocumentSheet : public DocumentSheetFixture {
protected:
    void SetUp() override
    {
        DocumentSheetFixture::SetUp();
        in.Public.dmCopies = 4;
    }
};

TEST_F(DocumentSheet, ShowsSevenPagesInOrder)
{
    sheet = OpenDocumentSheet(DM_IN_PROMPT | DM_OUT_BUFFER);
    ASSERT_NE(nullptr, sheet);
    // The tab keeps the title as loaded; its doubled ampersand shows as one.
    const wchar_t* titles[] = {L"Label",    L"Halftone", L"Intensity && Speed", L"Color", L"Layout",
                               L"Features", L"About"};
    ASSERT_EQ(7, sheet->PageCount());
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(titles[i], sheet->PageTitle(i)) << i;
    for (int i = 0; i < 7; ++i) {
        sheet->SelectPage(i);
        EXPECT_NE(nullptr, sheet->CurrentPage()) << i;
    }
    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
}

TEST_F(DocumentSheet, OkWritesTheCallersRecordThroughThePages)
{
    sheet = OpenDocumentSheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY);
    ASSERT_NE(nullptr, sheet);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(DriverSignature, out.record()->Extra.Signature);
    EXPECT_EQ(4, out.record()->Public.dmCopies);
    EXPECT_TRUE(out.UntouchedFrom(508));
    EXPECT_TRUE(sheet->MessageBoxes().empty());
}

TEST_F(DocumentSheet, CancelWritesNothing)
{
    sheet = OpenDocumentSheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY);
    ASSERT_NE(nullptr, sheet);
    sheet->SelectPage(3);
    sheet->PressCancel();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(out.UntouchedFrom(0));
}

TEST_F(DocumentSheet, NoPermissionKeepsThePagesFromWriting)
{
    sheet = OpenDocumentSheet(DM_IN_PROMPT | DM_OUT_BUFFER | DM_NOPERMISSION);
    ASSERT_NE(nullptr, sheet);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(out.UntouchedFrom(0));
}

/* The host side of a sheet, for the reasons the platform's host is not
 * seen to deliver; no sheet ever takes its pages, so it destroys them. */
struct PageOwningHost : RecordingHost {
    ~PageOwningHost()
    {
        for (HPROPSHEETPAGE page : pages)
            DestroyPropertySheetPage(page);
    }
};

TEST_F(DocumentSheet, SetResultOkWritesEvenWithoutPermission)
{
    header = DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), out.get(),
                            DM_COPY | DM_NOPERMISSION);
    PageOwningHost host;
    PROPSHEETUI_INFO info = host.InitInfo(&header);
    ASSERT_EQ(1, entry(&info, 0));
    EXPECT_EQ(7u, host.pages.size());
    ASSERT_NE(0u, info.UserData);

    PROPSHEETUI_INFO_HEADER title = {};
    info.Reason = PROPSHEETUI_REASON_GET_INFO_HEADER;
    ASSERT_EQ(1, entry(&info, reinterpret_cast<LPARAM>(&title)));
    EXPECT_EQ(PSUIHDRF_NOAPPLYNOW | PSUIHDRF_PROPTITLE, title.Flags);
    EXPECT_STREQ(DemoPrinterName, title.pTitle);
    EXPECT_EQ(64082u, title.IconID);
    EXPECT_EQ(library, title.hInst);

    SETRESULT_INFO cancelled = {sizeof(SETRESULT_INFO), 0, nullptr, CPSUI_CANCEL};
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    ASSERT_EQ(1, entry(&info, reinterpret_cast<LPARAM>(&cancelled)));
    EXPECT_TRUE(out.UntouchedFrom(0));
    EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_CANCEL), info.Result);

    SETRESULT_INFO ok = {sizeof(SETRESULT_INFO), 0, nullptr, CPSUI_OK};
    ASSERT_EQ(1, entry(&info, reinterpret_cast<LPARAM>(&ok)));
    EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_OK), info.Result);
    EXPECT_EQ(4, out.record()->Public.dmCopies);
    EXPECT_TRUE(out.UntouchedFrom(508));

    info.Reason = PROPSHEETUI_REASON_DESTROY;
    EXPECT_EQ(1, entry(&info, 0));
    info.Reason = 7;
    EXPECT_EQ(-1, entry(&info, 0));
}

TEST_F(DocumentSheet, SetResultWithoutOutputRecordWritesNothing)
{
    header = DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), nullptr, DM_UPDATE);
    PageOwningHost host;
    PROPSHEETUI_INFO info = host.InitInfo(&header);
    ASSERT_EQ(1, entry(&info, 0));
    SETRESULT_INFO ok = {sizeof(SETRESULT_INFO), 0, nullptr, CPSUI_OK};
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    EXPECT_EQ(1, entry(&info, reinterpret_cast<LPARAM>(&ok)));
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    EXPECT_EQ(1, entry(&info, 0));
}

/* Run in its own Wine process with the user's language set (see CMake). */
TEST(SheetLanguage, TitlesFollowTheUsersLanguage)
{
    const char* language = getenv("PDR_EXPECT_LANGUAGE");
    if (language == nullptr)
        GTEST_SKIP() << "run with PDR_EXPECT_LANGUAGE";
    HMODULE library = LoadDriverLibrary();
    ASSERT_NE(nullptr, library);
    DemoPrinter printer;
    CallerRecord out(508);
    DOCUMENTPROPERTYHEADER header = DocumentHeader(printer.Handle(), nullptr, out.get(), DM_COPY);
    auto sheet = SheetSession::Open(DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets"),
                                    reinterpret_cast<LPARAM>(&header));
    ASSERT_NE(nullptr, sheet);
    const bool german = std::string(language) == "de";
    EXPECT_EQ(german ? L"Etikett" : L"\u00C9tiquette", sheet->PageTitle(0));
    EXPECT_EQ(german ? L"\u00DCber" : L"\u00C0 propos", sheet->PageTitle(6));
    sheet->PressCancel();
    EXPECT_TRUE(sheet->WaitClosed());
    sheet.reset();
    FreeLibrary(library);
}

}  // namespace
