/* Which access list the catalogue's folder gets, and recognising it again. */
#include <gtest/gtest.h>

#include <string>

#include "labels/catalogue_folder_access.h"

namespace {

using Access = CatalogueFolderAccess;
using Event = CatalogueFolderEvent;

TEST(CatalogueFolderAccess, EveryEventSetsItsList)
{
    const struct {
        Event event;
        Access now;
        Access set;
        bool owner;
    } cases[] = {
        // A first reader opens the folder to users and leaves the owner.
        {Event::Made, Access::Other, Access::Open, false},
        // An installation keeps a lock and repairs anything else.
        {Event::Installed, Access::Locked, Access::Locked, true},
        {Event::Installed, Access::Open, Access::Open, true},
        {Event::Installed, Access::Other, Access::Open, true},
        {Event::Lock, Access::Open, Access::Locked, true},
        {Event::Lock, Access::Other, Access::Locked, true},
        {Event::Unlock, Access::Locked, Access::Open, true},
        {Event::Unlock, Access::Other, Access::Open, true},
    };
    for (const auto& c : cases) {
        const CatalogueFolderDecision decision = DecideCatalogueFolderAccess(c.event, c.now);
        EXPECT_EQ(c.set, decision.access) << static_cast<int>(c.event) << "/" << static_cast<int>(c.now);
        EXPECT_EQ(c.owner, decision.ownerAdministrators) << static_cast<int>(c.event);
    }
}

TEST(CatalogueFolderAccess, ListsAreProtectedAndNameOnlyWellKnownIdentities)
{
    EXPECT_STREQ("D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;;0x1200ab;;;BU)(A;OIIO;0x1301bf;;;BU)",
                 CatalogueFolderDaclSddl(Access::Open));
    EXPECT_STREQ("D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)",
                 CatalogueFolderDaclSddl(Access::Locked));
    EXPECT_EQ(nullptr, CatalogueFolderDaclSddl(Access::Other));
    EXPECT_STREQ("O:BA", CatalogueFolderOwnerSddl);
}

TEST(CatalogueFolderAccess, ReadBackListsAreRecognisedOnlyWhenTheSame)
{
    const char* open = CatalogueFolderDaclSddl(Access::Open);
    const char* locked = CatalogueFolderDaclSddl(Access::Locked);
    const std::string openEntries = std::string(open).substr(5);
    const std::string protectedOnly = "D:P" + openEntries;
    const std::string unprotected = "D:AI" + openEntries;
    const std::string extraEntry = std::string(locked) + "(A;;FA;;;WD)";
    const struct {
        const char* dacl;
        Access expected;
    } cases[] = {
        {open, Access::Open},
        {locked, Access::Locked},
        // Auto-inherited or not, the entries decide; unprotected lists
        // take entries from above and are not the driver's.
        {protectedOnly.c_str(), Access::Open},
        {unprotected.c_str(), Access::Other},
        // What Wine reports, and the system's inherited default.
        {"D:(A;;FA;;;SY)(A;;FA;;;S-1-5-21-1-2-3-1000)(A;;0x1200a9;;;WD)", Access::Other},
        {"D:AI(A;OICIID;FA;;;SY)(A;OICIID;FA;;;BA)(A;OICIID;0x1200a9;;;BU)", Access::Other},
        // An extra entry, one left out, a changed mask.
        {extraEntry.c_str(), Access::Other},
        {"D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)", Access::Other},
        {"D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1301bf;;;BU)", Access::Other},
        {"", Access::Other},
        {"O:BA", Access::Other},
        {nullptr, Access::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ClassifyCatalogueFolderDacl(c.dacl, open, locked))
            << (c.dacl ? c.dacl : "null");
}

}  // namespace
