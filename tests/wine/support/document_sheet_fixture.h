/*
 * The fixtures of the tests that call the built library's
 * DrvDocumentPropertySheets: the library and its entry point for each test,
 * and, for the sheet tests, an input record, a caller's output record and
 * the sheet opened on them.
 */
#ifndef PDR_TESTS_DOCUMENT_SHEET_FIXTURE_H
#define PDR_TESTS_DOCUMENT_SHEET_FIXTURE_H

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "settings/driver_devmode.h"
#include "sheet_session.h"
#include "sheet_test_support.h"

/* The built library, loaded for each test, and its document entry point. */
class DocumentEntryFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HMODULE library = nullptr;
    PFNPROPSHEETUI entry = nullptr;
    DemoPrinter printer;
};

/* The printing-preferences sheet opened through the entry point on `in`
 * (the default record unless a test changes it) into `out`. */
class DocumentSheetFixture : public DocumentEntryFixture {
protected:
    static constexpr DWORD PromptAndCopy = DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY;

    void SetUp() override;
    /* Closes `sheet` before the library goes. */
    void TearDown() override;

    /* A sheet on `in` into `out`; null when it did not appear. */
    std::unique_ptr<SheetSession> OpenDocumentSheet(DWORD mode = PromptAndCopy);
    /* The same on other records; `input` may be null. */
    std::unique_ptr<SheetSession> OpenDocumentSheet(DEVMODEW* input, CallerRecord& output,
                                                    DWORD mode = PromptAndCopy);
    /* Opens `sheet`, which must appear. */
    void OpenSheet();
    /* Opens `sheet` on the page at `index`; `page`, when given, receives
     * that page's window, which must exist. */
    void OpenOnPage(int index, HWND* page = nullptr);

    /* Presses OK; the sheet must close without a message box. */
    void CloseWithOk();
    /* Exactly one error box with `text` was shown; it is then forgotten. */
    void ExpectOneError(const wchar_t* text);

    DriverDevMode in;
    CallerRecord out{508};
    DOCUMENTPROPERTYHEADER header;
    std::unique_ptr<SheetSession> sheet;
};

#endif
