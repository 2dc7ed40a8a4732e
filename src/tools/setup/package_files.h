/* The package's files on their way into the spooler's driver folder. */
#ifndef PDR_TOOLS_SETUP_PACKAGE_FILES_H
#define PDR_TOOLS_SETUP_PACKAGE_FILES_H

#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

/* The first of `files` that `folder` lacks, or empty when it holds them all. */
std::wstring FirstMissingFile(const std::wstring& folder, const std::vector<std::wstring>& files);

/*
 * Copies the files of the INF's install section from `packageFolder` into
 * `driverFolder` through a setupapi file queue, the INF's destination
 * (directory id 66000) pinned to `driverFolder`.  Never prompts for a disk:
 * a file that cannot be found or copied ends the copy.  False with `problem`
 * set; the caller then removes what was copied with RemoveStagedFiles.
 */
bool CopyInstallSectionFiles(HINF inf, const std::wstring& installSection, const std::wstring& packageFolder,
                             const std::wstring& driverFolder, std::wstring* problem);

/* Deletes `files` from `driverFolder`, where they wait for the spooler;
 * files that are not there are no error. */
void RemoveStagedFiles(const std::wstring& driverFolder, const std::vector<std::wstring>& files);

#endif
