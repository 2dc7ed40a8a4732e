/*
 * The catalogue folder's access list on Windows: setting the list the
 * driver decides on (labels/catalogue_folder_access.h) and reading which
 * one a folder has.  Below the catalogue's file operations.
 */
#ifndef PDR_LABELS_CATALOGUE_FOLDER_WIN32_H
#define PDR_LABELS_CATALOGUE_FOLDER_WIN32_H

#include <windows.h>
#include <aclapi.h>

#include "labels/catalogue_folder_access.h"

/* The security calls whose outcome a test must see or control: file
 * systems without access lists (Wine's) accept a list and then report one
 * of their own, and enforce none. */
struct CatalogueFolderCalls {
    DWORD(WINAPI* setNamedSecurityInfo)
    (LPWSTR name, SE_OBJECT_TYPE type, SECURITY_INFORMATION what, PSID owner, PSID group, PACL dacl,
     PACL sacl);
    DWORD(WINAPI* getNamedSecurityInfo)
    (LPCWSTR name, SE_OBJECT_TYPE type, SECURITY_INFORMATION what, PSID* owner, PSID* group, PACL* dacl,
     PACL* sacl, PSECURITY_DESCRIPTOR* descriptor);
};
extern CatalogueFolderCalls CatalogueFolderCall;

/* Sets the list DecideCatalogueFolderAccess picks for `event` on `folder`
 * (reading the folder's list first for Installed).  False with the cause in
 * the thread's last error when the system refuses it (ERROR_ACCESS_DENIED
 * for a user who may not, ERROR_INVALID_OWNER where the owner cannot be
 * set); the folder's list is then unchanged. */
bool ApplyCatalogueFolderAccess(const wchar_t* folder, CatalogueFolderEvent event);

/* Which of the driver's lists `folder` has; Other when it cannot be read. */
CatalogueFolderAccess ReadCatalogueFolderAccess(const wchar_t* folder);

/* The DACL text of `sddl` as this system renders it, or "" when it cannot
 * be converted: the form a list read back is compared in. */
void RenderedDaclText(const char* sddl, char* text, size_t size);

#endif
