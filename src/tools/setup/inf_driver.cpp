#include "inf_driver.h"

#include <wchar.h>

const wchar_t ModelName[] = L"PDR-7300 Zr";

namespace {

const wchar_t Amd64Decoration[] = L"NTamd64";

bool ReadField(INFCONTEXT* line, DWORD index, std::wstring* text)
{
    DWORD needed = 0;
    if (!SetupGetStringFieldW(line, index, nullptr, 0, &needed) || needed == 0)
        return false;
    std::vector<wchar_t> buffer(needed);
    if (!SetupGetStringFieldW(line, index, buffer.data(), needed, nullptr))
        return false;
    *text = buffer.data();
    return true;
}

bool SameText(const std::wstring& a, const wchar_t* b)
{
    return _wcsicmp(a.c_str(), b) == 0;
}

/* "[Manufacturer]" names the models section and its decorations; the one
 * for 64-bit Windows is the section name, a dot and that decoration. */
bool FindModelsSection(HINF inf, std::wstring* section, std::wstring* problem)
{
    INFCONTEXT line;
    std::wstring base;
    if (!SetupFindFirstLineW(inf, L"Manufacturer", nullptr, &line) || !ReadField(&line, 1, &base)) {
        *problem = L"the INF names no manufacturer";
        return false;
    }
    DWORD fields = SetupGetFieldCount(&line);
    for (DWORD index = 2; index <= fields; ++index) {
        std::wstring decoration;
        if (ReadField(&line, index, &decoration) &&
            _wcsnicmp(decoration.c_str(), Amd64Decoration, wcslen(Amd64Decoration)) == 0) {
            *section = base + L"." + decoration;
            return true;
        }
    }
    *problem = L"the INF has no models for 64-bit Windows (" + std::wstring(Amd64Decoration) + L")";
    return false;
}

/* The model's line names its install section. */
bool FindInstallSection(HINF inf, const std::wstring& models, const wchar_t* model, std::wstring* section,
                        std::wstring* problem)
{
    INFCONTEXT line;
    bool more = SetupFindFirstLineW(inf, models.c_str(), nullptr, &line) != FALSE;
    for (; more; more = SetupFindNextLine(&line, &line) != FALSE) {
        std::wstring name;
        if (ReadField(&line, 0, &name) && SameText(name, model) && ReadField(&line, 1, section))
            return true;
    }
    *problem = L"the INF has no model \"" + std::wstring(model) + L"\" in [" + models + L"]";
    return false;
}

bool ReadEntry(HINF inf, const std::wstring& section, const wchar_t* key, std::wstring* value,
               std::wstring* problem)
{
    INFCONTEXT line;
    if (SetupFindFirstLineW(inf, section.c_str(), key, &line) && ReadField(&line, 1, value))
        return true;
    *problem = L"[" + section + L"] has no " + key;
    return false;
}

/* A CopyFiles field is a file list section, or "@" and a single file. */
bool ReadCopyList(HINF inf, const std::wstring& list, std::vector<std::wstring>* files, std::wstring* problem)
{
    if (!list.empty() && list[0] == L'@') {
        files->push_back(list.substr(1));
        return true;
    }
    INFCONTEXT line;
    if (!SetupFindFirstLineW(inf, list.c_str(), nullptr, &line)) {
        *problem = L"the file list [" + list + L"] is missing or empty";
        return false;
    }
    do {
        std::wstring file;
        if (!ReadField(&line, 1, &file)) {
            *problem = L"a line of [" + list + L"] names no file";
            return false;
        }
        files->push_back(file);
    } while (SetupFindNextLine(&line, &line));
    return true;
}

bool ReadCopyFiles(HINF inf, const std::wstring& section, std::vector<std::wstring>* files,
                   std::wstring* problem)
{
    INFCONTEXT line;
    bool more = SetupFindFirstLineW(inf, section.c_str(), L"CopyFiles", &line) != FALSE;
    for (; more; more = SetupFindNextMatchLineW(&line, L"CopyFiles", &line) != FALSE) {
        DWORD fields = SetupGetFieldCount(&line);
        for (DWORD index = 1; index <= fields; ++index) {
            std::wstring list;
            if (ReadField(&line, index, &list) && !ReadCopyList(inf, list, files, problem))
                return false;
        }
    }
    if (!files->empty())
        return true;
    *problem = L"[" + section + L"] copies no files";
    return false;
}

}  // namespace

bool ReadInfDriver(HINF inf, const wchar_t* model, InfDriver* driver, std::wstring* problem)
{
    return FindModelsSection(inf, &driver->modelsSection, problem) &&
           FindInstallSection(inf, driver->modelsSection, model, &driver->installSection, problem) &&
           ReadEntry(inf, driver->installSection, L"DriverFile", &driver->driverFile, problem) &&
           ReadEntry(inf, driver->installSection, L"ConfigFile", &driver->configFile, problem) &&
           ReadEntry(inf, driver->installSection, L"DataFile", &driver->dataFile, problem) &&
           ReadCopyFiles(inf, driver->installSection, &driver->files, problem);
}

std::vector<std::wstring> DependentFiles(const InfDriver& driver)
{
    std::vector<std::wstring> dependent;
    for (const std::wstring& file : driver.files) {
        if (!SameText(file, driver.driverFile.c_str()) && !SameText(file, driver.configFile.c_str()) &&
            !SameText(file, driver.dataFile.c_str()))
            dependent.push_back(file);
    }
    return dependent;
}
