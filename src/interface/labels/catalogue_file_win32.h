/*
 * The Windows catalogue file's pieces that the thread snapshots
 * (catalogue_snapshot_win32.cpp) share with loads and saves.
 */
#ifndef PDR_LABELS_CATALOGUE_FILE_WIN32_H
#define PDR_LABELS_CATALOGUE_FILE_WIN32_H

#include <windows.h>

/* The default catalogue's path, composed once per process and kept until
 * ForgetDefaultCataloguePath; its folder is not created.  Null when the
 * common application-data folder cannot be found. */
const wchar_t* DefaultCataloguePath();

/* Frees the kept path; only while no thread of this module reads it. */
void ForgetDefaultCataloguePath();

/* The file at `path` open for reading as every load opens it, sharing it
 * with readers, writers and renames, a passing conflict waited out briefly.
 * INVALID_HANDLE_VALUE with the thread's last error when it cannot be. */
HANDLE OpenCatalogueForReading(const wchar_t* path);

#endif
