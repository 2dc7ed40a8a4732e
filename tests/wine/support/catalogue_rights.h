/*
 * What Windows would allow or refuse around the catalogue, at its seams:
 * Wine keeps no access lists and enforces none.  While a CatalogueRights
 * lives, every access list set on a folder is recorded (and read back as
 * set), the opens and the rename of a save answer as its fields say, and
 * the catalogue's waits are counted; the real calls are back when it goes.
 */
#ifndef PDR_TESTS_CATALOGUE_RIGHTS_H
#define PDR_TESTS_CATALOGUE_RIGHTS_H

#include <windows.h>

#include <string>
#include <vector>

#include "labels/catalogue_folder_access.h"

/* One SetNamedSecurityInfoW call: the folder, and the owner when one was
 * set followed by the DACL, as the system renders them. */
struct FolderListSet {
    std::wstring folder;
    std::string sddl;
};

struct CatalogueRights {
    CatalogueRights();
    ~CatalogueRights();

    /* Users may only read: no file may be added to the folder, none
     * replaced. */
    bool locked = false;
    /* The catalogue may not be replaced (its folder still takes files). */
    bool replaceRefused = false;
    /* A file a save of another user left: the system answers a new file
     * there with "access denied". */
    std::wstring othersFile;
    /* The system's answer to setting a list. */
    DWORD setAnswer = ERROR_SUCCESS;
    /* The catalogue's waits (each still waits), as for a reader that
     * holds the file. */
    int waits = 0;
    /* The lists set since the last TakeSets, and the last one set: what
     * reading the folder's list answers. */
    std::vector<FolderListSet> sets;
    std::string lastSet;

    /* The lists set since the last call, then forgotten. */
    std::vector<FolderListSet> TakeSets();
    /* The driver's list as a set of it is recorded, with the owner
     * Administrators when `ownerAdministrators`. */
    static std::string Expected(CatalogueFolderAccess access, bool ownerAdministrators);
};

#endif
