/* The catalogue file against the real Win32 file system of the test prefix. */
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <thread>

#include "file_bytes.h"
#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_json.h"
#include "labels/catalogue_seed_win32.h"
#include "labels/label_catalogue.h"
#include "text/number_text.h"

namespace {

std::wstring CommonAppData()
{
    wchar_t folder[MAX_PATH] = L"";
    EXPECT_TRUE(SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE));
    return folder;
}

std::wstring CatalogueFolder()
{
    return CommonAppData() + L"\\PDR7300Zr";
}
std::wstring CataloguePath()
{
    return CatalogueFolder() + L"\\label-list.kmr";
}

/* Files a save left beside the catalogue ("label-list.kmr.*"). */
void DeleteFilesBesideTheCatalogue()
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((CataloguePath() + L".*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        DeleteFileW((CatalogueFolder() + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

int CountFilesIn(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

std::string Rendered(const LabelEntry* entries, int count)
{
    char* text = RenderLabelCatalogue(entries, count);
    std::string result = text != nullptr ? text : "<null>";
    ReleaseLabelCatalogueText(text);
    return result;
}

void MakeLabels(LabelEntry* entries, int count, const char* prefix)
{
    for (int i = 0; i < count; ++i) {
        memset(&entries[i], 0, sizeof entries[i]);
        snprintf(entries[i].name, sizeof entries[i].name, "%s %d \xE4", prefix, i);
        snprintf(entries[i].width, sizeof entries[i].width, "%d.5", 1 + i % 4);
        strcpy(entries[i].length, "6");
        strcpy(entries[i].horzOffset, "-3");
        strcpy(entries[i].vertOffset, "");
        entries[i].units = Inches;
        entries[i].id = FirstLabelId + 2 * i;
    }
}

/* The default catalogue is the prefix's one machine-wide file; each test
   starts without it and puts back whatever was there before. */
class DefaultCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        hadFile_ = FileExists(CataloguePath());
        if (hadFile_)
            saved_ = FileBytes(CataloguePath());
        DeleteFileW(CataloguePath().c_str());
        DeleteFilesBesideTheCatalogue();
    }
    void TearDown() override
    {
        DeleteFileW(CataloguePath().c_str());
        if (hadFile_)
            WriteFileBytes(CataloguePath(), saved_);
    }

private:
    bool hadFile_ = false;
    std::string saved_;
};

TEST_F(DefaultCatalogue, PathIsInTheMachinesCommonApplicationDataFolder)
{
    wchar_t* path = GetLabelCataloguePath();
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(std::wstring(path), CataloguePath());
    EXPECT_EQ(_wcsicmp(path, L"C:\\ProgramData\\PDR7300Zr\\label-list.kmr"), 0);
    free(path);
}

/* Readers find no labels and leave the machine as it was; the first save
 * makes the folder. */
TEST_F(DefaultCatalogue, FirstLoadCreatesTheFolderAndFindsNoLabels)
{
    LabelEntry entries[MaxLabels];
    // Loads and saves alike make the folder when it is missing, also in a
    // process that has read the catalogue before.
    for (bool save : {false, true}) {
        RemoveDirectoryW(CatalogueFolder().c_str());
        ASSERT_FALSE(FileExists(CatalogueFolder()));
        if (save)
            EXPECT_TRUE(SaveLabelCatalogue(nullptr, 0, nullptr));
        else
            EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
        DWORD attributes = GetFileAttributesW(CatalogueFolder().c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_EQ(FileExists(CataloguePath()), save);
        // A second load finds the folder there already.
        EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
        DeleteFileW(CataloguePath().c_str());
    }
}

TEST_F(DefaultCatalogue, SaveOverTenLabelsLeavesExactlyTheNewText)
{
    LabelEntry ten[10];
    MakeLabels(ten, 10, "Ten");
    ASSERT_TRUE(SaveLabelCatalogue(ten, 10, nullptr));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(ten, 10));

    LabelEntry two[2];
    MakeLabels(two, 2, "Two");
    ASSERT_TRUE(SaveLabelCatalogue(two, 2, nullptr));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(two, 2));
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 1);

    LabelEntry back[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(back, MaxLabels, nullptr), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_STREQ(back[i].name, two[i].name);
        EXPECT_STREQ(back[i].width, two[i].width);
        EXPECT_STREQ(back[i].length, two[i].length);
        EXPECT_STREQ(back[i].horzOffset, two[i].horzOffset);
        EXPECT_STREQ(back[i].vertOffset, two[i].vertOffset);
        EXPECT_EQ(back[i].units, two[i].units);
        EXPECT_EQ(back[i].id, two[i].id);
    }
}

/* A save that cannot replace the file leaves it whole and removes its own
 * file, and never touches a file another program's save may be writing. */
TEST_F(DefaultCatalogue, SaveWhileAReaderHoldsTheFileFailsWithoutHarm)
{
    LabelEntry ten[10];
    MakeLabels(ten, 10, "Ten");
    ASSERT_TRUE(SaveLabelCatalogue(ten, 10, nullptr));
    const std::string before = FileBytes(CataloguePath());
    const std::wstring another = CataloguePath() + L".tmp";
    ASSERT_TRUE(WriteFileBytes(another, "another save's text"));

    FILE* reader = _wfopen(CataloguePath().c_str(), L"rb");
    ASSERT_NE(reader, nullptr);
    LabelEntry two[2];
    MakeLabels(two, 2, "Two");
    EXPECT_FALSE(SaveLabelCatalogue(two, 2, nullptr));
    // Readers held it throughout: a passing conflict, not a refused right.
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    fclose(reader);

    EXPECT_EQ(FileBytes(CataloguePath()), before);
    EXPECT_EQ(FileBytes(another), "another save's text");
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 2);
    // Once the reader has gone the same save goes through.
    EXPECT_TRUE(SaveLabelCatalogue(two, 2, nullptr));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(two, 2));
    EXPECT_EQ(FileBytes(another), "another save's text");
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 2);
}

/* A file a save of this very thread left when its program died is passed
 * by, not taken over. */
TEST_F(DefaultCatalogue, SaveMakesAFileOfItsOwnBesideALeftover)
{
    wchar_t leftover[MAX_PATH];
    swprintf(leftover, MAX_PATH, L"%ls.%lu-%lu-0.tmp", CataloguePath().c_str(), GetCurrentProcessId(),
             GetCurrentThreadId());
    ASSERT_TRUE(WriteFileBytes(leftover, "left by a save that died"));
    LabelEntry two[2];
    MakeLabels(two, 2, "Two");
    EXPECT_TRUE(SaveLabelCatalogue(two, 2, nullptr));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(two, 2));
    EXPECT_EQ(FileBytes(leftover), "left by a save that died");
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 2);
}

TEST_F(DefaultCatalogue, SaveWaitsForAReaderThatLetsGoSoon)
{
    LabelEntry ten[10];
    MakeLabels(ten, 10, "Ten");
    ASSERT_TRUE(SaveLabelCatalogue(ten, 10, nullptr));
    FILE* reader = _wfopen(CataloguePath().c_str(), L"rb");
    ASSERT_NE(reader, nullptr);
    std::thread lettingGo([reader] {
        Sleep(300);
        fclose(reader);
    });
    LabelEntry two[2];
    MakeLabels(two, 2, "Two");
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(SaveLabelCatalogue(two, 2, nullptr));
    EXPECT_GE(GetTickCount64() - start, 200u);
    lettingGo.join();
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(two, 2));
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 1);
}

/* The driver's own readers share the file for deletion.  Windows then
 * replaces the file under them at once, Wine only once they have closed it;
 * either way the save goes through and each reader reads the whole text it
 * opened. */
TEST_F(DefaultCatalogue, ReaderOfTheDriversKindKeepsItsTextAndTheSaveGoesThrough)
{
    LabelEntry ten[10];
    MakeLabels(ten, 10, "Ten");
    ASSERT_TRUE(SaveLabelCatalogue(ten, 10, nullptr));
    HANDLE reader = CreateFileW(CataloguePath().c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::string old(Rendered(ten, 10).size() + 16, '\0');
    std::thread reading([&] {
        Sleep(200);
        DWORD read = 0;
        if (ReadFile(reader, &old[0], static_cast<DWORD>(old.size()), &read, nullptr))
            old.resize(read);
        CloseHandle(reader);
    });
    LabelEntry two[2];
    MakeLabels(two, 2, "Two");
    EXPECT_TRUE(SaveLabelCatalogue(two, 2, nullptr));
    reading.join();
    EXPECT_EQ(old, Rendered(ten, 10));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(two, 2));
}

TEST_F(DefaultCatalogue, EmptyCatalogueIsWrittenAsTwoCharacters)
{
    ASSERT_TRUE(SaveLabelCatalogue(nullptr, 0, nullptr));
    EXPECT_EQ(FileBytes(CataloguePath()), "[]");
}

TEST_F(DefaultCatalogue, FileBeyondTheSizeBoundIsUnreadable)
{
    LabelEntry entries[MaxLabels];
    std::string text = "[{\"name\":\"A\"}]";
    ASSERT_TRUE(
        WriteFileBytes(CataloguePath(), text + std::string(MaxLabelCatalogueBytes - text.size(), ' ')));
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 1);
    ASSERT_TRUE(
        WriteFileBytes(CataloguePath(), text + std::string(MaxLabelCatalogueBytes - text.size() + 1, ' ')));
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
}

/* The file calls a test controls, put back afterwards. */
class FileCallsReplaced {
public:
    FileCallsReplaced() : saved_(CatalogueFileCall) {}
    ~FileCallsReplaced()
    {
        CatalogueFileCall = saved_;
    }

private:
    CatalogueFileCalls saved_;
};

/* A save of another program that lands between the seeding's check for a
 * catalogue and the rename that puts the seeded one in place. */
std::string RacingSave;
BOOL WINAPI MoveAfterARacingSave(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    EXPECT_TRUE(WriteFileBytes(to, RacingSave));
    return MoveFileExW(from, to, flags);
}

TEST_F(DefaultCatalogue, SeedingNeverReplacesACatalogueSavedMeanwhile)
{
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring driverFolder = std::wstring(temp) + L"pdr-seed-race";
    CreateDirectoryW(driverFolder.c_str(), nullptr);
    LabelEntry stock[2];
    MakeLabels(stock, 2, "Stock");
    ASSERT_TRUE(WriteFileBytes(driverFolder + L"\\" + StockFileName, Rendered(stock, 2)));
    LabelEntry saved[1];
    MakeLabels(saved, 1, "Saved meanwhile");
    RacingSave = Rendered(saved, 1);
    {
        FileCallsReplaced restore;
        CatalogueFileCall.moveFileEx = MoveAfterARacingSave;
        EXPECT_FALSE(SeedLabelCatalogue(driverFolder.c_str()));
    }
    EXPECT_EQ(FileBytes(CataloguePath()), RacingSave);
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 1) << "the seeding's own files are removed";
    // With no save in the way the same seeding puts the stock in place.
    DeleteFileW(CataloguePath().c_str());
    EXPECT_TRUE(SeedLabelCatalogue(driverFolder.c_str()));
    EXPECT_EQ(FileBytes(CataloguePath()), Rendered(stock, 2));
    DeleteFilesBesideTheCatalogue();
    DeleteFileW((driverFolder + L"\\" + StockFileName).c_str());
    RemoveDirectoryW(driverFolder.c_str());
}

int Waits = 0;
void WINAPI CountWait(DWORD)
{
    ++Waits;
}

/* A folder where the catalogue should be never passes: loads and saves
 * answer at once instead of waiting for it as for another reader. */
TEST_F(DefaultCatalogue, AFolderInTheCataloguesPlaceIsNotWaitedFor)
{
    ASSERT_TRUE(CreateDirectoryW(CataloguePath().c_str(), nullptr));
    FileCallsReplaced restore;
    CatalogueFileCall.sleep = CountWait;
    Waits = 0;
    LabelEntry entries[MaxLabels];
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
    EXPECT_EQ(LoadLabelCatalogueToChange(entries, MaxLabels, nullptr), 0);
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, CataloguePath().c_str()), 0);
    EXPECT_FALSE(SaveLabelCatalogue(entries, 0, nullptr));
    EXPECT_EQ(Waits, 0);
    EXPECT_EQ(CountFilesIn(CatalogueFolder()), 0);
    RemoveDirectoryW(CataloguePath().c_str());
}

class CatalogueAtAPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = std::wstring(temp) + L"pdr-labels-test";
        CreateDirectoryW(folder_.c_str(), nullptr);
        path_ = folder_ + L"\\export \xE9t\xE9.kmr";
        DeleteFileW(path_.c_str());
    }
    void TearDown() override
    {
        DeleteFileW(path_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring folder_;
    std::wstring path_;
};

TEST_F(CatalogueAtAPath, ExportAndImportUseTheGivenPath)
{
    LabelEntry three[3];
    MakeLabels(three, 3, "Export");
    ASSERT_TRUE(SaveLabelCatalogue(three, 3, path_.c_str()));
    EXPECT_EQ(FileBytes(path_), Rendered(three, 3));
    EXPECT_EQ(CountFilesIn(folder_), 1);
    LabelEntry back[MaxLabels];
    EXPECT_EQ(LoadLabelCatalogue(back, MaxLabels, path_.c_str()), 3);
    EXPECT_STREQ(back[2].name, three[2].name);
}

TEST_F(CatalogueAtAPath, MissingFolderFailsTheSaveAndLoadsNothing)
{
    std::wstring nowhere = folder_ + L"\\missing\\labels.kmr";
    LabelEntry one[1];
    MakeLabels(one, 1, "X");
    EXPECT_FALSE(SaveLabelCatalogue(one, 1, nowhere.c_str()));
    LabelEntry back[MaxLabels];
    EXPECT_EQ(LoadLabelCatalogue(back, MaxLabels, nowhere.c_str()), 0);
    EXPECT_EQ(CountFilesIn(folder_), 0);
}

/* The C runtime is shared with the host program, which may have chosen a
   locale with a decimal comma. */
class GermanCRuntime : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (setlocale(LC_ALL, "German_Germany.1252") == nullptr && setlocale(LC_ALL, "de-DE") == nullptr)
            GTEST_SKIP() << "no German C runtime locale";
        char probe[16];
        snprintf(probe, sizeof probe, "%.1f", 2.5);
        if (strcmp(probe, "2,5") != 0)
            GTEST_SKIP() << "locale writes " << probe;
    }
    void TearDown() override
    {
        setlocale(LC_ALL, "C");
    }
};

TEST_F(GermanCRuntime, NumberTextsAndTheFileKeepThePoint)
{
    EXPECT_EQ(ReadLeadingDouble("4.00"), 4.0);
    char text[16];
    FormatFixed2(text, sizeof text, 2.5);
    EXPECT_STREQ(text, "2.50");
    EXPECT_EQ(LabelSizeInTenthsMm("101.6", Millimetres), 1016);

    LabelEntry entries[2];
    ASSERT_EQ(ParseLabelCatalogue("[{\"units\":0,\"width\":\"200\"},{\"id\":3.001e2}]", entries, 2), 2);
    EXPECT_STREQ(entries[0].width, "101.60");
    EXPECT_EQ(entries[1].id, 300);
}

}  // namespace
