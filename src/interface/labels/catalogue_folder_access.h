/*
 * Who may do what in the catalogue's folder: the two access lists the
 * driver gives it, as SDDL text built from well-known identities only, and
 * the rule that picks the list to set.  The folder serves every user of the
 * machine, while a file belongs to whoever created it, so the folder's list
 * decides whether users may change the shared catalogue.
 */
#ifndef PDR_LABELS_CATALOGUE_FOLDER_ACCESS_H
#define PDR_LABELS_CATALOGUE_FOLDER_ACCESS_H

enum class CatalogueFolderAccess {
    Open,   /* users read, create, replace and delete files */
    Locked, /* users read; administrators change the list */
    Other,  /* a list the driver did not set (an earlier release, the
               system's inherited default), or none could be read */
};

/* Why the driver is about to set the folder's list. */
enum class CatalogueFolderEvent {
    Made,      /* the folder was just created by this process */
    Installed, /* the driver is being installed or upgraded */
    Lock,      /* an administrator locks the list */
    Unlock,    /* an administrator opens it to users again */
};

struct CatalogueFolderDecision {
    CatalogueFolderAccess access; /* Open or Locked */
    /* The folder's owner becomes the Administrators group, so that a
       standard user who happened to create it keeps no right to change its
       list.  Only an administrator or the system may set that owner. */
    bool ownerAdministrators;
};

/* The DACL part of a security descriptor in SDDL for Open or Locked, both
 * protected from the list of the folder above; null for Other. */
const char* CatalogueFolderDaclSddl(CatalogueFolderAccess access);

/* The owner part set with ownerAdministrators: "O:BA". */
extern const char CatalogueFolderOwnerSddl[];

/* The list to set for `event`, given the folder's list `now` (read only at
 * installation; Other elsewhere).  An installation keeps a locked list
 * locked and gives every other list, a damaged or foreign one included, the
 * open one. */
CatalogueFolderDecision DecideCatalogueFolderAccess(CatalogueFolderEvent event, CatalogueFolderAccess now);

/* Which of the driver's lists the DACL text `dacl` (as the system renders a
 * folder's list; null when none was read) is, against `openText` and
 * `lockedText`, the driver's two lists in the same rendering.  A list
 * matches when it is protected and holds the same entries in the same
 * order; its other header flags (auto-inherited) are not compared. */
CatalogueFolderAccess ClassifyCatalogueFolderDacl(const char* dacl, const char* openText,
                                                  const char* lockedText);

#endif
