/*
 * The Windows catalogue file's operations: where the default catalogue
 * lives, opening and reading a catalogue file, and putting a new text in
 * place.  The lowest of the three Windows catalogue files: the thread
 * snapshots (catalogue_snapshot_win32.cpp) stand on these, and the
 * catalogue's public load and save (catalogue_access_win32.cpp) on both.
 */
#ifndef PDR_LABELS_CATALOGUE_FILE_WIN32_H
#define PDR_LABELS_CATALOGUE_FILE_WIN32_H

#include <windows.h>

#include <stdio.h>

#include "labels/catalogue_folder_access.h"
#include "labels/label_catalogue.h"

/* The platform calls whose outcome a test must control: the rename that puts
 * a catalogue in place, the wait between two tries of a step, and the opens
 * where the system grants or refuses a user's rights (a save's own file,
 * the probes of what the user may change). */
struct CatalogueFileCalls {
    BOOL(WINAPI* moveFileEx)(LPCWSTR from, LPCWSTR to, DWORD flags);
    void(WINAPI* sleep)(DWORD milliseconds);
    HANDLE(WINAPI* createFile)
    (LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
     HANDLE templateFile);
};
extern CatalogueFileCalls CatalogueFileCall;

/* The default catalogue's path, composed once per process and kept until
 * ForgetDefaultCataloguePath; composing it creates no folder.  Null when the
 * common application-data folder cannot be found. */
const wchar_t* DefaultCataloguePath();

/* Frees the kept path; only while no thread of this module reads it. */
void ForgetDefaultCataloguePath();

/* The folder of the catalogue at `catalogue`, made if missing; a folder
 * made here gets the open access list (CatalogueFolderEvent::Made) when
 * the system lets this user set it, and otherwise keeps what it inherited
 * until the next installation sets it. */
bool CreateCatalogueFolder(const wchar_t* catalogue);

/* The installation's step: the default catalogue's folder made, or, when
 * it is there already (an earlier release, a first reader), given the
 * driver's list again, a locked list staying locked. */
bool PrepareCatalogueFolderAtInstall();

/* An administrator's lock (users read only) or unlock (users change) of
 * the default catalogue's folder, made first if missing.  False with the
 * system's cause in the thread's last error. */
bool SetLabelCatalogueLock(bool locked);

/* Which of the driver's lists the default catalogue's folder has. */
CatalogueFolderAccess LabelCatalogueFolderAccess();

/* Whether this user may change the catalogue at `catalogue` (the default
 * one for null): false only when the system refuses adding a file to its
 * folder or deleting the file itself, which a save needs.  What cannot be
 * told (no folder yet, a file held open) counts as allowed; the save then
 * says how it went. */
bool MayChangeLabelCatalogue(const wchar_t* catalogue);

/* Called right after the default catalogue at `catalogue` could not be
 * opened: when the file or its folder is missing, makes the folder, so that
 * the first reader on a machine leaves the folder an administrator looks
 * for.  Paid only while there is no catalogue; the thread's last error is
 * kept. */
void CreateFolderOfMissingCatalogue(const wchar_t* catalogue);

/* The file at `path` open for reading as every load opens it, sharing it
 * with readers, writers and renames.  Another opener's passing conflict
 * (a sharing or lock violation) is waited out briefly; anything else, a
 * folder in the file's place or a refused access included, answers at
 * once.  INVALID_HANDLE_VALUE with the thread's last error when it cannot
 * be opened. */
HANDLE OpenCatalogueForReading(const wchar_t* path);

/* The open file as a C stream in byte mode that owns the handle; null, the
 * handle closed, when none can be made. */
FILE* StreamOfCatalogueHandle(HANDLE file);

/* The whole file as ReadLabelCatalogueStream reads it: its size taken from
 * the open file, as many bytes as there are, a NUL after them; the handle
 * is closed.  Null when it cannot be read; *tooLarge when it is refused for
 * its size (over MaxLabelCatalogueBytes), whatever it holds.  Free with
 * free(). */
char* ReadWholeCatalogueHandle(HANDLE file, DWORD* got, bool* tooLarge);

/* Reads the catalogue file at `path` itself, as LoadLabelCatalogue reads a
 * file: the count (0 for a file that cannot be read). */
int ReadCatalogueFileAt(const wchar_t* path, LabelEntry* entries, int capacity);

/*
 * Puts `text` in place as the catalogue at `target`.  The text goes whole
 * to a new file of this call's own beside the target, which is then renamed
 * onto it, so a reader sees the old text or the new one and never a
 * mixture.  With `replaceExisting` the rename replaces a catalogue there,
 * waiting out readers that hold it where the file system refuses that
 * (about two seconds); without it, a catalogue that is there already, put
 * there at any moment before the rename, stays and the call fails with
 * ERROR_ALREADY_EXISTS.  A failure at any step leaves the target as it was,
 * removes the call's own file and leaves the cause in the thread's last
 * error: ERROR_ACCESS_DENIED only when the system refuses this user the
 * change (no file may be added to the folder, or the target may not be
 * replaced), ERROR_SHARING_VIOLATION when readers held the target
 * throughout.  A file at one of the call's own names that a save which
 * died left behind, another user's included, is passed over.
 */
bool PutCatalogueText(const wchar_t* target, const char* text, bool replaceExisting);

#endif
