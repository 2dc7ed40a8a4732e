/* What a printer INF says about one model's driver, read with setupapi. */
#ifndef PDR_TOOLS_SETUP_INF_DRIVER_H
#define PDR_TOOLS_SETUP_INF_DRIVER_H

#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

struct InfDriver {
    std::wstring modelsSection;
    std::wstring installSection;
    std::wstring driverFile; /* the printing library */
    std::wstring configFile; /* the user-interface library */
    std::wstring dataFile;
    /* Every file the install section's CopyFiles names, in INF order. */
    std::vector<std::wstring> files;
};

/* The model name the package installs, as its models section spells it. */
extern const wchar_t ModelName[];

/*
 * Finds `model` in the 64-bit models section of the INF's first manufacturer
 * and reads its install section: the driver's three files by their entries,
 * and the files of every CopyFiles list.  False with `problem` set when a
 * step finds nothing.
 */
bool ReadInfDriver(HINF inf, const wchar_t* model, InfDriver* driver, std::wstring* problem);

/* The files other than the driver, configuration and data files: the
 * spooler's dependent files. */
std::vector<std::wstring> DependentFiles(const InfDriver& driver);

#endif
