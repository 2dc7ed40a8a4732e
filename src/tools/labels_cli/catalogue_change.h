/* The guards around every command that writes a catalogue: what it may
 * start from, and saving with the driver's own crash-safe save. */
#ifndef PDR_TOOLS_LABELS_CLI_CATALOGUE_CHANGE_H
#define PDR_TOOLS_LABELS_CLI_CATALOGUE_CHANGE_H

#include "catalogue_source.h"
#include "tool_context.h"
#include "tool_request.h"

/*
 * Reads the catalogue a command is about to change.  False, with the
 * reason printed and `status` set, when it must be left alone: it cannot be
 * read, or the driver reads only part of it, so that saving what it reads
 * would drop the rest.  A missing file is an empty catalogue; repairs of
 * single members are printed as notes and the repaired labels kept, as the
 * dialog keeps them.
 */
bool ReadCatalogueToChange(const CataloguePath& path, CatalogueReading* reading, const ToolOutput& output,
                           int* status);

/* False, with the reason printed and `status` ToolNotPermitted, when the
 * system does not let this user change the catalogue at `path`: said
 * before anything is read or typed. */
bool CheckMayChangeCatalogue(const CataloguePath& path, const ToolOutput& output, int* status);

/* The same for the catalogue the request names (`--file`, else the
 * machine's); `path` receives it.  Unless the request only looks
 * (`--dry-run`), a user who may not change it is told so first. */
bool ReadRequestedCatalogueToChange(const ToolRequest& request, CataloguePath* path,
                                    CatalogueReading* reading, const ToolOutput& output, int* status);

/* Reads a file whose labels another catalogue is to take; it must exist
 * and be read whole, and must not be empty. */
bool ReadCatalogueToImport(const CataloguePath& path, CatalogueReading* reading, const ToolOutput& output,
                           int* status);

/* Saves with SaveLabelCatalogue; on failure prints why (a refused save as
 * the administrator's list) and returns false, the file then being as it
 * was. */
bool SaveChangedCatalogue(const LabelList& labels, const CataloguePath& path, const ToolOutput& output);

#endif
