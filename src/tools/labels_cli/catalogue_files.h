/* The few file operations of pdr-labels that differ between Windows and
 * POSIX; saving always goes through the library's SaveLabelCatalogue. */
#ifndef PDR_TOOLS_LABELS_CLI_CATALOGUE_FILES_H
#define PDR_TOOLS_LABELS_CLI_CATALOGUE_FILES_H

#include <stdio.h>

#include <string>

#include "tool_context.h"

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

/* Whether the system lets this user change the catalogue at `path`; what
 * cannot be told counts as allowed, the save then saying how it went. */
bool MayChangeCatalogue(const std::wstring& path);

/* Whether the save that just failed was refused for this user's rights. */
bool LastSaveWasRefused();

/* Locks (users read only) or unlocks (users change) the machine's
 * catalogue.  The exit status: ToolSucceeded, else with `reason` set
 * ToolNotPermitted for a user who is no administrator, ToolFileError when
 * the folder's list could not be set. */
int LockMachineCatalogue(bool locked, std::string* reason);

/* What `list` says of the machine's catalogue: whether users may change
 * it, or that its folder has another list; empty where there is nothing to
 * say (no access lists on this system). */
std::string MachineCatalogueAccessLine();

#endif
