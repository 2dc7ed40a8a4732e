/* The recorder run against the built DLL: its records say what the DLL
 * answered and showed, and its steps wait for what they record. */
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "catalogues.h"
#include "document_sheet_recording.h"
#include "driver_contract.h"
#include "export_recording.h"
#include "input_records.h"
#include "machine_state.h"
#include "manage_labels_recording.h"
#include "observation_log.h"
#include "resources/resource_ids.h"
#include "sheet_driving.h"
#include "wine_test_support.h"

namespace {

std::vector<std::string> Lines(const ObservationLog& log)
{
    std::vector<std::string> lines;
    const std::string& text = log.Text();
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

bool HasLine(const ObservationLog& log, const std::string& line)
{
    for (const std::string& each : Lines(log))
        if (each == line)
            return true;
    return false;
}

/* Lines that hold `part`. */
std::vector<std::string> LinesWith(const ObservationLog& log, const std::string& part)
{
    std::vector<std::string> found;
    for (const std::string& line : Lines(log))
        if (line.find(part) != std::string::npos)
            found.push_back(line);
    return found;
}

/* The line after the first that begins with `start`. */
std::string LineAfter(const ObservationLog& log, const std::string& start)
{
    const std::vector<std::string> lines = Lines(log);
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].compare(0, start.size(), start) == 0)
            return lines[i + 1];
    return "";
}

class RecorderRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        HMODULE built = LoadDriverLibrary();
        ASSERT_NE(nullptr, built);
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(built, path, MAX_PATH);
        ASSERT_TRUE(LoadDriverUnderTest(path, &driver));
        FreeLibrary(built);
        ASSERT_NE(nullptr, printer.Handle());
        guard.reset(new MachineStateGuard(printer));
    }

    void TearDown() override
    {
        guard.reset();
        FreeLibrary(driver.Library);
    }

    std::vector<CallerInput> Inputs(std::initializer_list<const char*> names)
    {
        const std::vector<CallerInput> all = NamedInputs();
        std::vector<CallerInput> chosen;
        for (const char* name : names)
            chosen.push_back(*FindInput(all, name));
        return chosen;
    }

    DriverUnderTest driver;
    RecordedPrinter printer;
    std::unique_ptr<MachineStateGuard> guard;
    ObservationLog log;
};

TEST(DriverUnderTest, IsRefusedWithoutThePrinterDriverEntryPoints)
{
    DriverUnderTest driver;
    EXPECT_FALSE(LoadDriverUnderTest(L"kernel32.dll", &driver));
    EXPECT_EQ(nullptr, driver.Library);
    EXPECT_FALSE(LoadDriverUnderTest(L"C:\\no\\such\\pdr7300ui.dll", &driver));
}

TEST_F(RecorderRuns, ExportLinesHoldTheAnswersAndTheBytesWritten)
{
    RecordExports(log, driver, printer, Inputs({"none", "default"}));
    // Extents: the same answer with and without a buffer, two 32-bit values.
    EXPECT_TRUE(HasLine(log,
                        "exports catalogue=mixed rec=none caps index=5 no-buffer result=1997538567 buffer "
                        "result=1997538567 out=0705000010770000"));
    // The paper ids of the mixed catalogue: ids repaired to their position,
    // the duplicate kept, then the custom paper (256) the record names; 16
    // bits each and nothing behind them.
    EXPECT_TRUE(
        HasLine(log, "exports catalogue=mixed rec=default caps index=2 no-buffer result=10 buffer result=10 "
                     "out=010102012c012c012d012e010701080109010001"));
    EXPECT_TRUE(HasLine(log,
                        "exports catalogue=mixed rec=default convert mode=2 count=299 result=0 count=300 "
                        "error=122 out=none"));
    EXPECT_TRUE(HasLine(log,
                        "exports catalogue=empty rec=default caps index=2 no-buffer result=1 buffer result=1 "
                        "out=0001"));
    EXPECT_TRUE(HasLine(log, "exports catalogue=mixed rec=none query result=1 needed=43981 out=none"));
    EXPECT_TRUE(HasLine(log, "exports catalogue=mixed printer-event event=5 result=1"));
    EXPECT_TRUE(LinesWith(log, "unstable").empty());
    EXPECT_TRUE(LinesWith(log, "wrote into").empty());
}

TEST_F(RecorderRuns, ARefusedOkIsRecordedWithItsBoxAndTheSheetStaysOpen)
{
    UseCatalogue(MixedCatalogue());
    const std::vector<CallerInput> inputs = Inputs({"default"});
    {
        DocumentSheetRun run(log, driver, printer, inputs[0], DM_IN_PROMPT | DM_OUT_BUFFER | DM_COPY);
        ASSERT_NE(nullptr, run.Open());
        run.Step("select layout page", [](SheetSession& s) { SelectPageNow(s, 4); });
        run.Step("type copies 0", [](SheetSession& s) { s.SetText(IDC_LAYOUT_COPIES, L"0"); });
        run.Press(true);
        run.Finish(false);
    }
    const std::vector<std::string> lines = Lines(log);
    size_t pressed = 0;
    while (pressed < lines.size() && lines[pressed] != "press OK")
        ++pressed;
    ASSERT_LT(pressed + 3, lines.size());
    EXPECT_EQ("message-box caption=\"Error\" text=\"Invalid Number of Copies\\nValid range: 1 - 25000\"",
              lines[pressed + 1]);
    EXPECT_EQ("still open", lines[pressed + 2]);
    EXPECT_EQ(0u, lines[pressed + 3].find("page=4 "));
    EXPECT_EQ(1u, LinesWith(log, "press Cancel").size());
    EXPECT_EQ(1u, LinesWith(log, "closed call-result=").size());
    // Cancelled: the output buffer still holds only its guard.
    EXPECT_TRUE(HasLine(log, "output " + std::string(2 * (508 + 64), 'e')));
}

TEST_F(RecorderRuns, ManageLabelsScenariosFindTheDialogAndRecordItsRefusals)
{
    RecordManageLabels(log, driver, printer, NamedInputs());
    EXPECT_TRUE(LinesWith(log, "did not open").empty());
    EXPECT_EQ(5u, LinesWith(log, "dialog caption \"Manage Labels\"").size());
    // Each refusal right after the step that brought it.
    EXPECT_EQ("manage-labels editing message-box caption=\"Error\" text=\"Invalid Width\\nValid range: 0.39 "
              "- 5.07\"",
              LineAfter(log, "manage-labels editing step add \"Too narrow\""));
    EXPECT_EQ("manage-labels full message-box caption=\"Error\" text=\"Too many labels\"",
              LineAfter(log, "manage-labels full step add \"One more\""));
    // Cancelled on a full catalogue: the file is as the scenario wrote it.
    const std::string full = NumberedCatalogue(128);
    EXPECT_TRUE(HasLine(log, Format("manage-labels full catalogue after the dialog size=%lu bytes=",
                                    static_cast<unsigned long>(full.size())) +
                                 Hex(full)));
}

}  // namespace
