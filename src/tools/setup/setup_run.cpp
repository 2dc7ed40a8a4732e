#include "setup_run.h"

#include <windows.h>
#include <setupapi.h>
#include <stdio.h>
#include <wchar.h>

#include <string>

#include "catalogue_report.h"
#include "error_text.h"
#include "inf_driver.h"
#include "package_files.h"
#include "spooler_setup.h"

namespace {

const wchar_t InfFileName[] = L"pdr7300.inf";
const wchar_t Usage[] = L"usage: pdr-setup [--package FOLDER] [--printer NAME] [--port PORT]\n"
                        L"       pdr-setup --remove [--printer NAME]\n";

struct SetupRequest {
    std::wstring package;
    std::wstring printer = ModelName;
    std::wstring port = L"FILE:";
    bool remove = false;
};

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

bool ParseRequest(int argc, wchar_t** argv, SetupRequest* request)
{
    request->package = OwnFolder();
    for (int index = 1; index < argc; ++index) {
        std::wstring option = argv[index];
        if (option == L"--remove") {
            request->remove = true;
            continue;
        }
        if (index + 1 >= argc || argv[index + 1][0] == L'\0')
            return false;
        std::wstring value = argv[++index];
        if (option == L"--package")
            request->package = value;
        else if (option == L"--printer")
            request->printer = value;
        else if (option == L"--port")
            request->port = value;
        else
            return false;
    }
    return !(request->remove && request->port != L"FILE:");
}

int Fail(const std::wstring& problem)
{
    fwprintf(stderr, L"pdr-setup: %ls\n", problem.c_str());
    return 1;
}

HINF OpenPrinterInf(const std::wstring& path, std::wstring* problem)
{
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        *problem = L"no driver package here: " + path + L" is missing";
        return INVALID_HANDLE_VALUE;
    }
    UINT errorLine = 0;
    HINF inf = SetupOpenInfFileW(path.c_str(), L"Printer", INF_STYLE_WIN4, &errorLine);
    if (inf == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        *problem = L"cannot read " + path + L" as a printer INF" +
                   (errorLine > 0 ? L" (line " + std::to_wstring(errorLine) + L")" : L"") + L": " +
                   ErrorText(error);
    }
    return inf;
}

/* Whether a printer of that name is there and uses another driver: setup
 * neither moves nor removes another driver's printer. */
bool UsesAnotherDriver(const std::wstring& printer, std::wstring* driver)
{
    return FindPrinterDriver(printer, driver) && _wcsicmp(driver->c_str(), ModelName) != 0;
}

/* Files in, driver registered, printer added; each step that fails undoes
 * the ones before it, so the machine is left as it was found. */
int InstallDriver(HINF inf, const SetupRequest& request, const InfDriver& driver)
{
    std::wstring problem;
    std::wstring otherDriver;
    if (UsesAnotherDriver(request.printer, &otherDriver))
        return Fail(L"the printer \"" + request.printer + L"\" uses the driver \"" + otherDriver +
                    L"\"; remove it first or choose another name with --printer; nothing was changed");
    std::wstring missing = FirstMissingFile(request.package, driver.files);
    if (!missing.empty())
        return Fail(L"the package lacks " + missing + L", which " + InfFileName +
                    L" installs; nothing was changed");
    std::wstring driverFolder;
    if (!FindDriverFolder(&driverFolder, &problem))
        return Fail(problem);
    bool driverExisted = DriverIsInstalled(ModelName);
    CatalogueForecast catalogue;
    ForecastCatalogue(request.package, &catalogue);
    if (!CopyInstallSectionFiles(inf, driver.installSection, request.package, driverFolder, &problem)) {
        RemoveStagedFiles(driverFolder, driver.files);
        return Fail(problem + L"; nothing was installed");
    }
    bool registered = RegisterDriver(ModelName, driver, &problem);
    /* The spooler keeps its own copies in its version folder. */
    RemoveStagedFiles(driverFolder, driver.files);
    if (!registered)
        return Fail(problem + L"; nothing was installed");
    wprintf(L"installed the driver \"%ls\" (%ls, %ls, %zu files) from %ls\n", ModelName,
            driver.driverFile.c_str(), driver.configFile.c_str(), driver.files.size(),
            request.package.c_str());
    ReportCatalogue(catalogue);
    bool added = false;
    if (!AddPrinterOnPort(request.printer, request.port, ModelName, &added, &problem)) {
        std::wstring undo;
        bool removed = false;
        if (!driverExisted && !DeleteDriverNamed(ModelName, &removed, &undo))
            return Fail(problem + L"; " + undo);
        return Fail(problem + (driverExisted ? L"" : L"; the driver was removed again"));
    }
    if (added)
        wprintf(L"added the printer \"%ls\" on %ls\n", request.printer.c_str(), request.port.c_str());
    else
        wprintf(L"the printer \"%ls\" was there already and uses this driver\n", request.printer.c_str());
    return 0;
}

int Install(const SetupRequest& request)
{
    std::wstring problem;
    HINF inf = OpenPrinterInf(request.package + L"\\" + InfFileName, &problem);
    if (inf == INVALID_HANDLE_VALUE)
        return Fail(problem);
    InfDriver driver;
    int status = ReadInfDriver(inf, ModelName, &driver, &problem) ? InstallDriver(inf, request, driver)
                                                                  : Fail(problem + L"; nothing was changed");
    SetupCloseInfFile(inf);
    return status;
}

/* The label catalogue stays: it is the site's data. */
int Remove(const SetupRequest& request)
{
    std::wstring problem;
    std::wstring otherDriver;
    if (UsesAnotherDriver(request.printer, &otherDriver))
        return Fail(L"the printer \"" + request.printer + L"\" uses the driver \"" + otherDriver +
                    L"\", not this one; nothing was removed");
    bool printerRemoved = false;
    if (!DeletePrinterNamed(request.printer, &printerRemoved, &problem))
        return Fail(problem);
    wprintf(printerRemoved ? L"removed the printer \"%ls\"\n" : L"there is no printer \"%ls\"\n",
            request.printer.c_str());
    bool driverRemoved = false;
    if (!DeleteDriverNamed(ModelName, &driverRemoved, &problem))
        return Fail(problem);
    wprintf(driverRemoved ? L"removed the driver \"%ls\"\n" : L"the driver \"%ls\" is not installed\n",
            ModelName);
    wprintf(L"the label catalogue stays\n");
    return 0;
}

}  // namespace

int RunSetupProgram(int argc, wchar_t** argv)
{
    if (argc == 2 && (wcscmp(argv[1], L"--help") == 0 || wcscmp(argv[1], L"-h") == 0)) {
        wprintf(L"%ls", Usage);
        return 0;
    }
    SetupRequest request;
    if (!ParseRequest(argc, argv, &request)) {
        fwprintf(stderr, L"%ls", Usage);
        return 2;
    }
    return request.remove ? Remove(request) : Install(request);
}
