/* The few file operations of pdr-labels that differ between Windows and
 * POSIX; saving always goes through the library's SaveLabelCatalogue. */
#ifndef PDR_TOOLS_LABELS_CLI_CATALOGUE_FILES_H
#define PDR_TOOLS_LABELS_CLI_CATALOGUE_FILES_H

#include <stdio.h>

#include <string>

/* How opening or reading a catalogue file went: done, no such file, or
 * failed for any other reason. */
enum class FileOutcome { Done, Missing, Failed };

/* Opens a catalogue for reading in byte mode, sharing it as the driver's
 * readers do (`outcome` Done); null with `outcome` Missing when there is no
 * such file, or Failed with `reason` set for anything else (a folder, no
 * access).  `reason` is set for Missing too. */
FILE* OpenCatalogueForReading(const std::wstring& path, FileOutcome* outcome, std::string* reason);

/* The path as messages show it. */
std::string DisplayPath(const std::wstring& path);

#endif
