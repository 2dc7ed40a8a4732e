/* Saves a system refuses, files dead saves left, and what the user is told,
 * with the system's answers given at the catalogue's seams. */
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "catalogue_rights.h"
#include "file_bytes.h"
#include "label_fixtures.h"
#include "labels/catalogue_file_win32.h"
#include "labels/label_catalogue.h"
#include "tool_context.h"
#include "tool_in_process.h"

namespace {

/* Every file in the catalogue's folder but the catalogue and its memory of
 * given stocks: what saves left behind. */
std::vector<std::wstring> LeftOver(const std::wstring& catalogue)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((catalogue + L".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

class CatalogueRightsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const LabelEntry label = MakeLabel("Kept", "4.00", "6.00", Inches, 257);
        ASSERT_TRUE(SaveLabelCatalogue(&label, 1, nullptr));
        before = FileBytes(guard.Path());
    }
    void ExpectCatalogueWhole()
    {
        EXPECT_EQ(before, FileBytes(guard.Path()));
        EXPECT_TRUE(LeftOver(guard.Path()).empty()) << "a refused save removes its own file";
    }

    DefaultCatalogueGuard guard;
    std::string before;
    const LabelEntry added[2] = {MakeLabel("Kept", "4.00", "6.00", Inches, 257),
                                 MakeLabel("New", "2.00", "1.00", Inches, 258)};
};

/* A refusal lasts, so it is answered at once, as a refusal, unlike readers
 * that hold the file; the old catalogue stays whole either way, and the
 * tool, whose probe meets the same refusal, says who manages the list. */
TEST_F(CatalogueRightsTest, RefusedSavesLeaveTheCatalogueWholeAndSaySo)
{
    CatalogueRights rights;
    for (bool locked : {false, true}) {
        rights.locked = locked;
        rights.replaceRefused = !locked;
        rights.waits = 0;
        SetLastError(0);
        EXPECT_FALSE(SaveLabelCatalogue(added, 2, nullptr)) << locked;
        EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << locked;
        EXPECT_EQ(0, rights.waits) << locked;
        EXPECT_FALSE(MayChangeLabelCatalogue(nullptr)) << locked;
        const ToolRun tool = RunLabelsToolHere({L"add", L"New", L"2", L"1"});
        EXPECT_NE(ToolSucceeded, tool.status) << locked;
        EXPECT_NE(std::string::npos, tool.err.find("managed by the administrator")) << tool.err;
        ExpectCatalogueWhole();
    }
}

/* Another user's dead save left a file at this save's first name, which the
 * system refuses to this user: the save takes the next name, and leaves the
 * other file to its owner. */
TEST_F(CatalogueRightsTest, AnotherUsersDeadSaveNeverBlocksASave)
{
    wchar_t name[64];
    swprintf(name, 64, L".%lu-%lu-0.tmp", GetCurrentProcessId(), GetCurrentThreadId());
    const std::wstring others = guard.Path() + name;
    ASSERT_TRUE(WriteFileBytes(others, "[half"));
    CatalogueRights rights;
    rights.othersFile = others;
    EXPECT_TRUE(SaveLabelCatalogue(added, 2, nullptr));
    EXPECT_EQ(1u, LeftOver(guard.Path()).size()) << "only the other user's file is left";
    EXPECT_EQ("[half", FileBytes(others));
    DeleteFileW(others.c_str());
}

/* The tool tells a user who may not change the list so before reading
 * anything, with its own exit status, and still lists it. */
TEST_F(CatalogueRightsTest, ToolSaysTheListIsManagedByTheAdministrator)
{
    CatalogueRights rights;
    rights.locked = true;
    const ToolRun refused = RunLabelsToolHere({L"add", L"New", L"2", L"1"});
    EXPECT_EQ(ToolNotPermitted, refused.status);
    EXPECT_NE(std::string::npos,
              refused.err.find("pdr-labels: the label list is managed by the administrator: "
                               "you may read "))
        << refused.err;
    EXPECT_NE(std::string::npos, refused.err.find(" but not change it; nothing was changed")) << refused.err;
    for (const std::vector<std::wstring>& words :
         std::vector<std::vector<std::wstring>>{{L"remove", L"Kept"}, {L"set", L"Kept", L"--speed", L"3"}})
        EXPECT_EQ(ToolNotPermitted, RunLabelsToolHere(words).status);
    const ToolRun listed = RunLabelsToolHere({L"list"});
    EXPECT_EQ(ToolSucceeded, listed.status) << listed.err;
    EXPECT_NE(std::string::npos, listed.out.find("Kept")) << listed.out;
    ExpectCatalogueWhole();
}

}  // namespace
