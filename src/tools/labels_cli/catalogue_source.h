/* Which catalogue file a command works on, and reading it as the driver
 * does while keeping every repair the loader makes. */
#ifndef PDR_TOOLS_LABELS_CLI_CATALOGUE_SOURCE_H
#define PDR_TOOLS_LABELS_CLI_CATALOGUE_SOURCE_H

#include <string>
#include <vector>

#include "catalogue_files.h"
#include "labels/label_catalogue.h"
#include "tool_context.h"

struct CataloguePath {
    std::wstring path;
    std::string display;
};

/* A file named on the command line; false with `problem` set when the
 * argument cannot be a path on this system. */
bool PathFromArgument(const ToolArgument& argument, CataloguePath* path, std::string* problem);

/* `--file` when given, else the machine's catalogue. */
bool ResolveCataloguePath(bool hasFile, const ToolArgument& file, CataloguePath* path, std::string* problem);

struct CatalogueReading {
    FileOutcome outcome = FileOutcome::Failed;
    /* Why the file could not be opened (Missing or Failed). */
    std::string failure;
    /* The labels as the driver reads them. */
    LabelList list = {};
    /* One line per repair, in file order. */
    std::vector<std::string> repairs;
    /* The first repair after which part of the file was not read, if any. */
    std::string firstIgnored;
    bool emptyText = false;
};

/* Reads the whole file with the driver's loader (outcome Done).  A missing
 * file reads as an empty catalogue with outcome Missing. */
void ReadCatalogue(const CataloguePath& path, CatalogueReading* reading);

#endif
