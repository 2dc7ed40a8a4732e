/*
 * The printing common dialogs as an application opens them: Page Setup
 * (PageSetupDlgW) and Print Setup (PrintDlgW with PD_PRINTSETUP), each
 * modal on the test's thread and driven from its hook.  Once the dialog
 * has set itself up the hook reads the paper combo box, picks a paper as a
 * user would (the selection and its CBN_SELCHANGE) when asked to, and
 * presses OK.
 */
#ifndef PDR_TESTS_COMMON_DIALOG_RUN_H
#define PDR_TESTS_COMMON_DIALOG_RUN_H

#include <windows.h>

#include <stdint.h>

#include <string>
#include <vector>

/* The records an application hands a dialog: both empty for the default
 * printer's defaults, or what an earlier dialog returned. */
struct DialogRecords {
    std::vector<uint8_t> DevMode;
    std::vector<uint8_t> DevNames;
};

/* What one dialog showed and returned. */
struct DialogRun {
    bool Driven = false;               /* the hook read the dialog and pressed OK */
    bool Returned = false;             /* the dialog call returned TRUE */
    std::vector<std::wstring> Entries; /* the paper combo box, in its order */
    std::wstring Shown;                /* the paper selected as the dialog opened ... */
    WORD ShownId = 0;                  /* ... and the paper id it stands for */
    std::wstring Chosen;               /* the paper picked, when one was asked for */
    WORD ChosenId = 0;
    DialogRecords Result; /* the records the dialog handed back */
    POINT PaperSize = {}; /* Page Setup's paper size, hundredths of a mm */
};

/* `choose` names the paper to pick; empty leaves the dialog's choice. */
DialogRun RunPageSetup(const DialogRecords& given, const std::wstring& choose = L"");
DialogRun RunPrintSetup(const DialogRecords& given, const std::wstring& choose = L"");

#endif
