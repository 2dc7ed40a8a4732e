/*
 * Installing from the built package with pdr-setup.exe.  Each case runs in
 * a fresh copy of the bare prefix (tools/wine/run-in-fresh-prefix.sh), so
 * it starts with no driver, no printer and no label catalogue.
 */
#include <windows.h>
#include <winspool.h>
#include <gtest/gtest.h>
#include <setupapi.h>
#include <winddiui.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue_rights.h"
#include "file_bytes.h"
#include "inf_driver.h"
#include "labels/catalogue_file_win32.h"
#include "labels/label_catalogue.h"
#include "package_folder.h"
#include "setup_run.h"
#include "spooler_setup.h"
#include "tool_in_process.h"
#include "tool_process.h"

namespace {

const wchar_t Environment[] = L"Windows x64";

ToolResult RunSetup(const std::wstring& package, const std::vector<std::wstring>& arguments)
{
    return RunToolProcess(package + L"\\pdr-setup.exe", arguments);
}

std::string Said(const ToolResult& run)
{
    return "out: " + run.out + "\nerr: " + run.err;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = towlower(c);
    return text;
}

std::wstring BaseName(const std::wstring& path)
{
    return Lower(path.substr(path.find_last_of(L'\\') + 1));
}

/* The model's driver as pdr-setup reads it from the package's INF. */
InfDriver PackageDriver(const std::wstring& package)
{
    InfDriver driver;
    std::wstring problem;
    HINF inf = SetupOpenInfFileW((package + L"\\pdr7300.inf").c_str(), L"Printer", INF_STYLE_WIN4, nullptr);
    if (inf != INVALID_HANDLE_VALUE)
        ReadInfDriver(inf, ModelName, &driver, &problem);
    if (inf != INVALID_HANDLE_VALUE)
        SetupCloseInfFile(inf);
    return driver;
}

/* The INF's files as pdr-setup reads them, lower case and sorted. */
std::vector<std::wstring> InfFiles(const std::wstring& package)
{
    std::vector<std::wstring> files;
    for (const std::wstring& file : PackageDriver(package).files)
        files.push_back(Lower(file));
    std::sort(files.begin(), files.end());
    return files;
}

struct InstalledDriver {
    bool found = false;
    std::wstring configFile;
    std::vector<std::wstring> files; /* every file, full paths */
};

InstalledDriver FindInstalledDriver()
{
    InstalledDriver result;
    DWORD needed = 0, count = 0;
    EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(Environment), 3, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(Environment), 3, buffer.data(),
                                            needed, &needed, &count))
        return result;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    for (DWORD index = 0; index < count; ++index) {
        const DRIVER_INFO_3W& info = drivers[index];
        if (wcscmp(info.pName, ModelName) != 0)
            continue;
        result.found = true;
        result.configFile = info.pConfigFile;
        result.files = {info.pDriverPath, info.pConfigFile, info.pDataFile};
        for (const wchar_t* file = info.pDependentFiles; file != nullptr && *file != 0;
             file += wcslen(file) + 1)
            result.files.push_back(file);
    }
    return result;
}

std::vector<std::wstring> SortedBaseNames(const std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> names;
    for (const std::wstring& path : paths)
        names.push_back(BaseName(path));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool PrinterExists(const wchar_t* name)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}

/* The default catalogue's path; finding it makes no folder. */
std::wstring CataloguePath()
{
    return DefaultCataloguePath();
}

std::wstring CatalogueFolder()
{
    return CataloguePath().substr(0, CataloguePath().find_last_of(L'\\'));
}

/* Each label as the loader reads it, one a line: "id name widthxlength
 * (horizontal,vertical) units", then the print speed and cut interval
 * when it has them. */
std::vector<std::string> LoadedLabels(const wchar_t* path)
{
    std::vector<LabelEntry> entries(MaxLabels);
    const int count = LoadLabelCatalogue(entries.data(), MaxLabels, path);
    std::vector<std::string> labels;
    for (int index = 0; index < count; ++index) {
        const LabelEntry& label = entries[index];
        const LabelSettings& settings = label.settings;
        labels.push_back(std::to_string(label.id) + " " + label.name + " " + label.width + "x" +
                         label.length + " (" + label.horzOffset + "," + label.vertOffset + ") " +
                         std::to_string(label.units) +
                         (settings.HasPrintSpeed ? " speed " + std::to_string(settings.PrintSpeed) : "") +
                         (settings.HasCutEvery ? " cut every " + std::to_string(settings.CutEvery) : ""));
    }
    return labels;
}

/* Nothing of the driver on the machine: not registered, no printer, no file
 * waiting in the spooler's driver folder, no catalogue. */
void ExpectNothingInstalled(const std::vector<std::wstring>& infFiles)
{
    EXPECT_FALSE(FindInstalledDriver().found);
    EXPECT_FALSE(PrinterExists(ModelName));
    wchar_t folder[MAX_PATH] = L"";
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterDriverDirectoryW(nullptr, const_cast<wchar_t*>(Environment), 1,
                                           reinterpret_cast<BYTE*>(folder), sizeof folder, &needed));
    for (const std::wstring& file : infFiles)
        EXPECT_FALSE(FileExists(std::wstring(folder) + L"\\" + file)) << file.c_str();
    EXPECT_FALSE(FileExists(CataloguePath()));
}

/* A copy of the built package in a temporary folder, to be changed. */
class PackageCopy {
public:
    PackageCopy()
    {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"pdr-package";
        CreateDirectoryW(folder.c_str(), nullptr);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((PackageFolder() + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                CopyFileW((PackageFolder() + L"\\" + found.cFileName).c_str(),
                          (folder + L"\\" + found.cFileName).c_str(), FALSE);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::wstring Path(const wchar_t* file) const
    {
        return folder + L"\\" + file;
    }
    std::wstring folder;
};

TEST(PackageSetup, InstallSeedsTheCatalogueAndLaterRunsKeepIt)
{
    const std::wstring package = PackageFolder();
    ToolResult first = RunSetup(package, {L"--package", package});
    ASSERT_EQ(first.exitCode, 0u) << Said(first);

    InstalledDriver installed = FindInstalledDriver();
    ASSERT_TRUE(installed.found);
    EXPECT_EQ(SortedBaseNames(installed.files), InfFiles(package));
    EXPECT_EQ(BaseName(installed.configFile), L"pdr7300ui.dll");
    for (const std::wstring& file : installed.files)
        EXPECT_EQ(FileBytes(file), FileBytes(package + L"\\" + BaseName(file))) << file.c_str();
    EXPECT_TRUE(PrinterExists(ModelName));

    std::wstring stock = package + L"\\label-stock.kmr";
    std::vector<std::string> stockLabels = LoadedLabels(stock.c_str());
    ASSERT_FALSE(stockLabels.empty());
    EXPECT_EQ(LoadedLabels(nullptr), stockLabels);

    /* The site edits its catalogue; installing again keeps the edit. */
    std::vector<LabelEntry> entries(MaxLabels);
    int count = LoadLabelCatalogue(entries.data(), MaxLabels, nullptr);
    ASSERT_TRUE(SaveLabelCatalogue(entries.data(), count - 1, nullptr));
    std::string edited = FileBytes(CataloguePath());
    ToolResult second = RunSetup(package, {L"--printer", L"Second PDR"});
    ASSERT_EQ(second.exitCode, 0u) << Said(second);
    EXPECT_TRUE(PrinterExists(L"Second PDR"));
    EXPECT_EQ(FileBytes(CataloguePath()), edited);

    ToolResult removal = RunSetup(package, {L"--remove", L"--printer", L"Second PDR"});
    ASSERT_EQ(removal.exitCode, 0u) << Said(removal);
    ToolResult last = RunSetup(package, {L"--remove"});
    ASSERT_EQ(last.exitCode, 0u) << Said(last);
    EXPECT_FALSE(PrinterExists(ModelName));
    EXPECT_FALSE(PrinterExists(L"Second PDR"));
    EXPECT_FALSE(FindInstalledDriver().found);
    EXPECT_EQ(FileBytes(CataloguePath()), edited);
}

/* A printer of that name on another driver is neither moved nor removed,
 * and pdr-setup says so instead of claiming a change. */
TEST(PackageSetup, AnotherDriversPrinterIsLeftAsItIs)
{
    const std::wstring package = PackageFolder();
    const InfDriver driver = PackageDriver(package);
    std::wstring folder, problem, usedDriver;
    ASSERT_TRUE(FindDriverFolder(&folder, &problem));
    for (const std::wstring& file : driver.files)
        ASSERT_TRUE(CopyFileW((package + L"\\" + file).c_str(), (folder + L"\\" + file).c_str(), FALSE));
    ASSERT_TRUE(RegisterDriver(L"Dock Driver", driver, &problem)) << problem.c_str();
    bool added = false;
    ASSERT_TRUE(AddPrinterOnPort(L"Dock", L"FILE:", L"Dock Driver", &added, &problem)) << problem.c_str();

    for (const std::vector<std::wstring>& arguments :
         {std::vector<std::wstring>{L"--printer", L"Dock"}, {L"--remove", L"--printer", L"Dock"}}) {
        ToolResult run = RunSetup(package, arguments);
        EXPECT_EQ(run.exitCode, 1u) << Said(run);
        EXPECT_NE(run.err.find("\"Dock\" uses the driver \"Dock Driver\""), std::string::npos) << Said(run);
        ASSERT_TRUE(FindPrinterDriver(L"Dock", &usedDriver));
        EXPECT_EQ(usedDriver, L"Dock Driver");
    }
    EXPECT_FALSE(FindInstalledDriver().found);
}

TEST(PackageSetup, MissingFileInstallsNothing)
{
    PackageCopy package;
    std::vector<std::wstring> files = InfFiles(package.folder);
    ASSERT_TRUE(DeleteFileW(package.Path(L"pdr-labels.exe").c_str()));
    ToolResult run = RunSetup(package.folder, {});
    EXPECT_EQ(run.exitCode, 1u) << Said(run);
    EXPECT_NE(run.err.find("lacks pdr-labels.exe"), std::string::npos) << Said(run);
    ExpectNothingInstalled(files);
}

TEST(PackageSetup, InfWithoutTheModelInstallsNothing)
{
    PackageCopy package;
    std::vector<std::wstring> files = InfFiles(package.folder);
    std::string inf = FileBytes(package.Path(L"pdr7300.inf"));
    size_t model = inf.find("%ModelName%=");
    ASSERT_NE(model, std::string::npos);
    inf.insert(model, ";");
    ASSERT_TRUE(WriteFileBytes(package.Path(L"pdr7300.inf"), inf));
    ToolResult run = RunSetup(package.folder, {});
    EXPECT_EQ(run.exitCode, 1u) << Said(run);
    EXPECT_NE(run.err.find("no model \"PDR-7300 Zr\""), std::string::npos) << Said(run);
    ExpectNothingInstalled(files);
}

TEST(PackageSetup, StockFileReadInPartInstallsWithoutACatalogue)
{
    PackageCopy package;
    std::string stock = FileBytes(package.Path(L"label-stock.kmr"));
    ASSERT_TRUE(WriteFileBytes(package.Path(L"label-stock.kmr"), stock + "\n{\"name\": \"dropped\"}"));
    ToolResult run = RunSetup(package.folder, {});
    EXPECT_EQ(run.exitCode, 0u) << Said(run);
    EXPECT_TRUE(FindInstalledDriver().found);
    EXPECT_TRUE(PrinterExists(ModelName));
    EXPECT_FALSE(FileExists(CataloguePath()));
}

std::string StockText(const std::vector<std::string>& labels)
{
    std::string text = "[";
    for (const std::string& label : labels)
        text += (text.size() > 1 ? ", " : "") + label;
    return text + "]";
}

const std::string StockA1 = R"({"name": "Stock A", "width": "4.00", "length": "6.00", "units": 1, "id": 257,
    "settings": {"printSpeed": 3}})";
const std::string StockA2 = R"({"name": "Stock A", "width": "4.00", "length": "6.00", "units": 1, "id": 257,
    "settings": {"printSpeed": 3, "cutter": true, "cutEvery": 10}})";
const std::string StockB = R"({"name": "Stock B", "width": "2.00", "length": "1.00", "units": 1, "id": 258})";
const std::string StockC1 = R"({"name": "Stock C", "width": "50", "length": "25", "units": 0, "id": 259})";
const std::string StockC2 = R"({"name": "Stock C", "width": "60", "length": "30", "units": 0, "id": 259})";
const std::string StockD = R"({"name": "Stock D", "width": "3.00", "length": "2.00", "units": 1, "id": 260})";

/* Installs `stocks` as the package's stock file and checks the catalogue
 * the update leaves, then that the same package again writes nothing. */
void InstallStocks(const PackageCopy& package, const std::vector<std::string>& stocks,
                   const std::vector<std::string>& expected, const char* said)
{
    ASSERT_TRUE(WriteFileBytes(package.Path(L"label-stock.kmr"), StockText(stocks)));
    ToolResult run = RunSetup(package.folder, {});
    ASSERT_EQ(run.exitCode, 0u) << Said(run);
    EXPECT_NE(run.out.find(said), std::string::npos) << Said(run);
    EXPECT_EQ(LoadedLabels(CataloguePath().c_str()), expected);

    const std::string catalogue = FileBytes(CataloguePath());
    const std::string given = FileBytes(CataloguePath() + L".given");
    ToolResult again = RunSetup(package.folder, {});
    ASSERT_EQ(again.exitCode, 0u) << Said(again);
    EXPECT_NE(again.out.find("0 added, 0 updated, 0 removed"), std::string::npos) << Said(again);
    EXPECT_EQ(FileBytes(CataloguePath()), catalogue);
    EXPECT_EQ(FileBytes(CataloguePath() + L".given"), given);
}

TEST(PackageSetup, NewerPackagesKeepTheMachinesChanges)
{
    PackageCopy package;
    ASSERT_TRUE(WriteFileBytes(package.Path(L"label-stock.kmr"), StockText({StockA1, StockB, StockC1})));
    ToolResult first = RunSetup(package.folder, {});
    ASSERT_EQ(first.exitCode, 0u) << Said(first);
    // Seeded label by label as InstallSeedsTheCatalogueAndLaterRunsKeepIt checks.
    EXPECT_NE(first.out.find("seeded the label catalogue"), std::string::npos) << Said(first);

    /* The machine's user changes A's speed, deletes B, adds a label. */
    const std::wstring tool = package.Path(L"pdr-labels.exe");
    for (const std::vector<std::wstring>& edit :
         std::vector<std::vector<std::wstring>>{{L"set", L"Stock A", L"--speed", L"5"},
                                                {L"remove", L"Stock B"},
                                                {L"add", L"Mine", L"3", L"1"}}) {
        ToolResult run = RunToolProcess(tool, edit);
        ASSERT_EQ(run.exitCode, 0u) << Said(run);
    }

    /* D arrives, C follows, A keeps the user's speed without the cutter. */
    InstallStocks(package, {StockA2, StockB, StockC2, StockD},
                  {"257 Stock A 4.00x6.00 (0,0) 1 speed 5", "259 Stock C 60x30 (0,0) 0",
                   "260 Mine 3x1 (0,0) 1", "261 Stock D 3.00x2.00 (0,0) 1"},
                  "1 added, 1 updated, 0 removed, 2 kept as changed here");
    /* C goes; the rest stays. */
    InstallStocks(
        package, {StockA2, StockB, StockD},
        {"257 Stock A 4.00x6.00 (0,0) 1 speed 5", "260 Mine 3x1 (0,0) 1", "261 Stock D 3.00x2.00 (0,0) 1"},
        "0 added, 0 updated, 1 removed, 2 kept as changed here");
}

BOOL WINAPI RefuseDriver(LPWSTR, DWORD, LPBYTE, DWORD)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

HANDLE WINAPI RefusePrinter(LPWSTR, DWORD, LPBYTE)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
}

int RunSetupInProcess(const std::wstring& package)
{
    std::vector<std::wstring> arguments = {L"pdr-setup", L"--package", package};
    std::vector<wchar_t*> argv;
    for (std::wstring& argument : arguments)
        argv.push_back(&argument[0]);
    return RunSetupProgram(static_cast<int>(argv.size()), argv.data());
}

/* Wine's spooler refuses neither call, so the refusals are made here. */
TEST(PackageSetup, SpoolerRefusalsLeaveNoDriver)
{
    const std::wstring package = PackageFolder();
    std::vector<std::wstring> files = InfFiles(package);
    SpoolerInstall.addPrinterDriverEx = RefuseDriver;
    EXPECT_EQ(RunSetupInProcess(package), 1);
    ExpectNothingInstalled(files);

    /* The printer refused after the driver went in: the driver goes again. */
    SpoolerInstall = {AddPrinterDriverExW, RefusePrinter};
    EXPECT_EQ(RunSetupInProcess(package), 1);
    EXPECT_FALSE(FindInstalledDriver().found);
    EXPECT_FALSE(PrinterExists(ModelName));
    SpoolerInstall.addPrinter = AddPrinterW;
}

/* The driver's own notice of its installation, in this process, so that
 * its security calls meet the test's seam (the spooler's copy of the
 * library has its own). */
extern "C" BOOL WINAPI DrvDriverEvent(DWORD event, DWORD level, LPBYTE driverInfo, LPARAM);

void NoticeInstallation(const std::wstring& package)
{
    std::wstring configFile = package + L"\\pdr7300ui.dll";
    DRIVER_INFO_3W info = {};
    info.pConfigFile = &configFile[0];
    EXPECT_TRUE(DrvDriverEvent(DRIVER_EVENT_INITIALIZE, 3, reinterpret_cast<LPBYTE>(&info), 0));
}

void RemoveCatalogueFolder()
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((CatalogueFolder() + L"\\*").c_str(), &found);
    while (search != INVALID_HANDLE_VALUE) {
        DeleteFileW((CatalogueFolder() + L"\\" + found.cFileName).c_str());
        if (!FindNextFileW(search, &found))
            break;
    }
    FindClose(search);
    ASSERT_TRUE(RemoveDirectoryW(CatalogueFolder().c_str()));
}

/* Exactly one list was set since the last look, on the catalogue's folder. */
void ExpectListSet(CatalogueRights& rights, CatalogueFolderAccess access, bool ownerAdministrators,
                   const char* when)
{
    const std::vector<FolderListSet> sets = rights.TakeSets();
    ASSERT_EQ(1u, sets.size()) << when;
    EXPECT_EQ(CatalogueFolder(), sets[0].folder) << when;
    EXPECT_EQ(CatalogueRights::Expected(access, ownerAdministrators), sets[0].sddl) << when;
}

/* Every way the folder comes to be, and every later installation, gives it
 * the driver's list; a lock lasts through upgrades until it is undone. */
TEST(PackageSetup, CatalogueFolderGetsTheDriversAccessList)
{
    const std::wstring package = PackageFolder();
    CatalogueRights rights;
    ASSERT_FALSE(FileExists(CatalogueFolder()));
    ASSERT_EQ(RunSetupInProcess(package), 0);
    ExpectListSet(rights, CatalogueFolderAccess::Open, false, "pdr-setup made the folder");
    NoticeInstallation(package);
    ExpectListSet(rights, CatalogueFolderAccess::Open, true, "installation");

    ASSERT_NO_FATAL_FAILURE(RemoveCatalogueFolder());
    LabelEntry labels[MaxLabels];
    EXPECT_EQ(0, LoadLabelCatalogueToChange(labels, MaxLabels, nullptr));
    ExpectListSet(rights, CatalogueFolderAccess::Open, false, "a first reader made the folder");

    const ToolRun locked = RunLabelsToolHere({L"lock"});
    EXPECT_EQ(0, locked.status) << locked.err;
    ExpectListSet(rights, CatalogueFolderAccess::Locked, true, "pdr-labels lock");
    EXPECT_NE(std::string::npos, RunLabelsToolHere({L"list"}).out.find("the label list is locked"));
    NoticeInstallation(package);
    ExpectListSet(rights, CatalogueFolderAccess::Locked, true, "an upgrade keeps the lock");
    const ToolRun unlocked = RunLabelsToolHere({L"unlock"});
    EXPECT_EQ(0, unlocked.status) << unlocked.err;
    ExpectListSet(rights, CatalogueFolderAccess::Open, true, "pdr-labels unlock");
    EXPECT_NE(std::string::npos,
              RunLabelsToolHere({L"list"}).out.find("every user may change the label list"));

    // A first reader whom the system does not let set the list still makes
    // the folder and reads; the next installation sets the list.
    ASSERT_NO_FATAL_FAILURE(RemoveCatalogueFolder());
    rights.setAnswer = ERROR_ACCESS_DENIED;
    EXPECT_EQ(0, LoadLabelCatalogueToChange(labels, MaxLabels, nullptr));
    EXPECT_TRUE(FileExists(CatalogueFolder()));
    EXPECT_TRUE(rights.TakeSets().empty());
    rights.setAnswer = ERROR_SUCCESS;
    NoticeInstallation(package);
    ExpectListSet(rights, CatalogueFolderAccess::Open, true, "installation after a refused first reader");
}

}  // namespace
