/*
 * The common Page Setup and Print Setup dialogs on the installed printer,
 * as every Win32 application opens them: the paper a dialog shows must be
 * the paper it hands back, and a label picked in it must come back whole
 * once the record passes through the driver again.  The dialogs find the
 * paper of the record in the driver's paper lists; a paper missing there
 * left Page Setup without a size to draw (a division by zero) and Print
 * Setup showing one paper while returning another.
 */
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>

#include "common_dialog_run.h"
#include "file_bytes.h"
#include "label_fixtures.h"
#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

/* The demo printer as the default printer for the test, as a user of the
 * application would have it; a former default comes back afterwards. */
class DefaultPrinterForTheTest {
public:
    DefaultPrinterForTheTest()
    {
        DWORD size = sizeof previous / sizeof previous[0];
        hadDefault = GetDefaultPrinterW(previous, &size) != FALSE;
        EXPECT_TRUE(SetDefaultPrinterW(DemoPrinterName));
    }
    ~DefaultPrinterForTheTest()
    {
        if (hadDefault)
            SetDefaultPrinterW(previous);
    }

private:
    wchar_t previous[256] = L"";
    bool hadDefault = false;
};

struct PaperLists {
    std::vector<WORD> Ids;
    std::vector<std::wstring> Names;
    std::vector<POINT> Sizes;
};

/* The driver's paper lists for `record`, as the dialogs ask for them. */
PaperLists ListsFor(const std::vector<uint8_t>& record)
{
    const DEVMODEW* devMode = reinterpret_cast<const DEVMODEW*>(record.data());
    const int count = DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS, nullptr, devMode);
    PaperLists lists;
    if (count <= 0)
        return lists;
    lists.Ids.resize(count);
    lists.Sizes.resize(count);
    std::vector<wchar_t> names(count * 64);
    EXPECT_EQ(count, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERS,
                                         reinterpret_cast<LPWSTR>(lists.Ids.data()), devMode));
    EXPECT_EQ(count, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERSIZE,
                                         reinterpret_cast<LPWSTR>(lists.Sizes.data()), devMode));
    EXPECT_EQ(count, DeviceCapabilitiesW(DemoPrinterName, L"FILE:", DC_PAPERNAMES, names.data(), devMode));
    for (int i = 0; i < count; ++i)
        lists.Names.push_back(std::wstring(&names[i * 64]));
    return lists;
}

const DriverDevMode& RecordOf(const std::vector<uint8_t>& bytes)
{
    static DriverDevMode empty = {};
    if (bytes.size() < sizeof(DriverDevMode))
        return empty;
    return *reinterpret_cast<const DriverDevMode*>(bytes.data());
}

std::wstring FormNameOf(const DriverDevMode& record)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(record.Public.dmFormName),
                        wcsnlen(reinterpret_cast<const wchar_t*>(record.Public.dmFormName), FormNameChars));
}

/* The record as DocumentPropertiesW hands it back after the driver has
 * read it, as an application does before printing with it. */
std::vector<uint8_t> ThroughTheDriver(const std::vector<uint8_t>& record)
{
    DemoPrinter printer;
    std::vector<uint8_t> in = record;
    std::vector<uint8_t> out(DriverDevModeSize);
    EXPECT_EQ(IDOK,
              DocumentPropertiesW(nullptr, printer.Handle(), const_cast<LPWSTR>(DemoPrinterName),
                                  reinterpret_cast<DEVMODEW*>(out.data()),
                                  reinterpret_cast<DEVMODEW*>(in.data()), DM_IN_BUFFER | DM_OUT_BUFFER));
    return out;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

/* The dialog opened, was driven and closed with OK, and the entry it
 * showed is the paper of the record it returned: its id and size, and its
 * name when `sameName`. */
void ExpectShownPaperReturned(const DialogRun& run, bool sameName = true)
{
    ASSERT_TRUE(run.Driven);
    ASSERT_TRUE(run.Returned);
    const DriverDevMode& record = RecordOf(run.Result.DevMode);
    EXPECT_EQ(run.ShownId, static_cast<WORD>(record.Public.dmPaperSize));
    if (sameName) {
        EXPECT_EQ(run.Shown, FormNameOf(record));
    }
    const PaperLists lists = ListsFor(run.Result.DevMode);
    const auto listed = std::find(lists.Ids.begin(), lists.Ids.end(), run.ShownId);
    ASSERT_NE(lists.Ids.end(), listed);
    const size_t i = listed - lists.Ids.begin();
    EXPECT_EQ(run.Shown, lists.Names[i]);
    EXPECT_EQ(lists.Sizes[i].x, record.Public.dmPaperWidth);
    EXPECT_EQ(lists.Sizes[i].y, record.Public.dmPaperLength);
}

/* The paper of the printer's defaults, 4 x 6 inches, shown and returned,
 * listed after the catalogue's labels under the name the driver hands it
 * out with (a stored record of that size, merged, is "Custom"). */
void ExpectTheDefaultPaper(const DialogRun& run, const std::vector<std::wstring>& labelNames,
                           bool sameName = true)
{
    ExpectShownPaperReturned(run, sameName);
    EXPECT_EQ(256, run.ShownId);
    std::vector<std::wstring> expected = labelNames;
    expected.push_back(run.Shown);
    EXPECT_EQ(Sorted(expected), Sorted(run.Entries));
    const DriverDevMode& record = RecordOf(run.Result.DevMode);
    EXPECT_EQ(1016, record.Public.dmPaperWidth);
    EXPECT_EQ(1524, record.Public.dmPaperLength);
}

/* A label picked in the dialog: the dialog writes only its paper id into
 * the record; the driver then gives the record the label's name and size. */
void ExpectTheChosenLabel(const DialogRun& run, const LabelEntry& label, int width, int length)
{
    ASSERT_TRUE(run.Driven);
    ASSERT_TRUE(run.Returned);
    const std::wstring name(label.name, label.name + strlen(label.name));
    EXPECT_EQ(name, run.Chosen);
    EXPECT_EQ(label.id, run.ChosenId);
    EXPECT_EQ(label.id, RecordOf(run.Result.DevMode).Public.dmPaperSize);
    const std::vector<uint8_t> merged = ThroughTheDriver(run.Result.DevMode);
    const DriverDevMode& record = RecordOf(merged);
    EXPECT_EQ(label.id, record.Public.dmPaperSize);
    EXPECT_EQ(name, FormNameOf(record));
    EXPECT_STREQ(label.name, record.Extra.LabelName);
    EXPECT_EQ(width, record.Public.dmPaperWidth);
    EXPECT_EQ(length, record.Public.dmPaperLength);
}

const LabelEntry Barcode = MakeLabel("Barcode 2x1", "2.00", "1.00", Inches, 257);
const LabelEntry Shipping = MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 258);
const LabelEntry Vial = MakeLabel("Vial", "50", "25", Millimetres, 259);
const LabelEntry Tube = MakeLabel("Tube 1x3", "1.00", "3.00", Inches, 260);

class CommonDialogs : public ::testing::Test {
protected:
    void WriteCatalogue(const std::vector<LabelEntry>& labels)
    {
        ASSERT_TRUE(SaveLabelCatalogue(labels.data(), static_cast<int>(labels.size()), nullptr));
    }

    DefaultPrinterForTheTest defaultPrinter;
    DefaultCatalogueGuard catalogue;  // the test starts without a catalogue file
    const DialogRecords printerDefaults;
};

TEST_F(CommonDialogs, WithoutACatalogueBothDialogsShowAndReturnTheDefaultPaper)
{
    const DialogRun pageSetup = RunPageSetup(printerDefaults);
    ExpectTheDefaultPaper(pageSetup, {});
    // Page Setup's own size is in hundredths of a millimetre.
    EXPECT_EQ(10160, pageSetup.PaperSize.x);
    EXPECT_EQ(15240, pageSetup.PaperSize.y);

    ExpectTheDefaultPaper(RunPrintSetup(printerDefaults), {});
}

TEST_F(CommonDialogs, WithACatalogueTheDefaultsShowTheDefaultPaperAndAChosenLabelComesBack)
{
    WriteCatalogue({Barcode, Shipping, Vial});
    const std::vector<std::wstring> names = {L"Barcode 2x1", L"Shipping 4x6", L"Vial"};
    ExpectTheDefaultPaper(RunPageSetup(printerDefaults), names);
    ExpectTheDefaultPaper(RunPrintSetup(printerDefaults), names);

    const DialogRun pageSetup = RunPageSetup(printerDefaults, L"Barcode 2x1");
    ExpectTheChosenLabel(pageSetup, Barcode, 508, 254);
    EXPECT_EQ(5080, pageSetup.PaperSize.x);
    EXPECT_EQ(2540, pageSetup.PaperSize.y);
    ExpectTheChosenLabel(RunPrintSetup(printerDefaults, L"Vial"), Vial, 500, 250);
}

TEST_F(CommonDialogs, AfterACatalogueChangeTheDialogsListTheLabelsOfTheNewCatalogue)
{
    WriteCatalogue({Barcode, Shipping});
    const DialogRun first = RunPrintSetup(printerDefaults, L"Shipping 4x6");
    ExpectTheChosenLabel(first, Shipping, 1016, 1524);

    // The chosen label leaves the catalogue and another one comes in.
    WriteCatalogue({Barcode, Tube});
    const std::vector<std::wstring> names = {L"Barcode 2x1", L"Tube 1x3"};
    ExpectTheDefaultPaper(RunPageSetup(printerDefaults), names);
    ExpectTheDefaultPaper(RunPrintSetup(printerDefaults), names);
    ExpectTheChosenLabel(RunPageSetup(printerDefaults, L"Tube 1x3"), Tube, 254, 762);

    // The application hands its records back; Print Setup has the driver
    // read them first.  The label they name is gone, so the record comes
    // back as the fallback paper, "Default" 4 x 6 inches; the paper lists,
    // which merge that record once more, call a paper 256 with a size
    // "Custom".  Paper id and size agree.
    ExpectTheDefaultPaper(RunPrintSetup(first.Result), names, false);
    ExpectTheChosenLabel(RunPrintSetup(first.Result, L"Tube 1x3"), Tube, 254, 762);
}

}  // namespace
