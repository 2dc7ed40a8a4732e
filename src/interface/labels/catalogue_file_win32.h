/*
 * The Windows catalogue file's pieces that the thread snapshots
 * (catalogue_snapshot_win32.cpp) share with loads and saves.
 */
#ifndef PDR_LABELS_CATALOGUE_FILE_WIN32_H
#define PDR_LABELS_CATALOGUE_FILE_WIN32_H

#include <windows.h>

/* The default catalogue's path, composed once per process and kept until
 * ForgetDefaultCataloguePath; composing it creates no folder.  Null when the
 * common application-data folder cannot be found. */
const wchar_t* DefaultCataloguePath();

/* Called right after the default catalogue at `catalogue` could not be
 * opened: when the file or its folder is missing, makes the folder, so that
 * the first reader on a machine leaves the folder an administrator looks
 * for.  Paid only while there is no catalogue; the thread's last error is
 * kept. */
void CreateFolderOfMissingCatalogue(const wchar_t* catalogue);

/* Frees the kept path; only while no thread of this module reads it. */
void ForgetDefaultCataloguePath();

/* The file at `path` open for reading as every load opens it, sharing it
 * with readers, writers and renames, a passing conflict waited out briefly.
 * INVALID_HANDLE_VALUE with the thread's last error when it cannot be. */
HANDLE OpenCatalogueForReading(const wchar_t* path);

#endif
