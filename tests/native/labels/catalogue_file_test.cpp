#include "common_app_data.h"
#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <unistd.h>

namespace {

FILE* StreamOf(const std::string& bytes)
{
    FILE* file = tmpfile();
    fwrite(bytes.data(), 1, bytes.size(), file);
    rewind(file);
    return file;
}

int ReadStream(const std::string& bytes, LabelEntry* entries)
{
    FILE* file = StreamOf(bytes);
    int count = ReadLabelCatalogueStream(file, entries, MaxLabels);
    fclose(file);
    return count;
}

TEST(ReadLabelCatalogueStream, ReadsAFileUpToTheSizeBound)
{
    static LabelEntry entries[MaxLabels];
    std::string text = "[{\"name\":\"A\"}]";
    std::string padded = text + std::string(MaxLabelCatalogueBytes - text.size(), ' ');
    EXPECT_EQ(ReadStream(padded, entries), 1);
    EXPECT_EQ(ReadStream(padded + " ", entries), 0);
}

TEST(ReadLabelCatalogueStream, TextEndsAtTheBytesActuallyRead)
{
    LabelEntry entries[MaxLabels];
    // The NUL inside ends the text, as the one after the last byte does.
    std::string bytes("[{\"name\":\"A\"}]\0[{}", 18);
    EXPECT_EQ(ReadStream(bytes, entries), 1);
    EXPECT_EQ(ReadStream("[{\"name\":\"A\"", entries), 0);
    EXPECT_EQ(ReadStream("", entries), 0);
    EXPECT_EQ(ReadLabelCatalogueStream(nullptr, entries, MaxLabels), 0);
}

TEST(ReadLabelCatalogueStream, AStreamWithoutASizeIsUnreadable)
{
    LabelEntry entries[MaxLabels];
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "[{}]", 4), 4);
    close(fds[1]);
    FILE* pipeStream = fdopen(fds[0], "rb");
    EXPECT_EQ(ReadLabelCatalogueStream(pipeStream, entries, MaxLabels), 0);
    fclose(pipeStream);
}

class NativeCatalogueFile : public CommonAppDataTest {};

TEST_F(NativeCatalogueFile, FirstLoadCreatesTheFolderAndFindsNoLabels)
{
    LabelEntry entries[MaxLabels];
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
    EXPECT_EQ(access((folder_ + "/PDR7300Zr").c_str(), F_OK), 0);
    wchar_t* path = GetLabelCataloguePath();
    ASSERT_NE(path, nullptr);
    std::wstring expected(folder_.begin(), folder_.end());
    EXPECT_EQ(std::wstring(path), expected + L"/PDR7300Zr/label-list.kmr");
    free(path);
}

TEST_F(NativeCatalogueFile, SaveReplacesTheWholeFileAndLeavesNoTemporary)
{
    LabelEntry entries[MaxLabels];
    ASSERT_EQ(ParseLabelCatalogue("[{},{},{},{},{},{},{},{},{},{}]", entries, MaxLabels), 10);
    ASSERT_TRUE(SaveLabelCatalogue(entries, 10, nullptr));
    ASSERT_TRUE(SaveLabelCatalogue(entries, 2, nullptr));
    std::string path = folder_ + "/PDR7300Zr/label-list.kmr";
    char* expected = RenderLabelCatalogue(entries, 2);
    EXPECT_EQ(ReadFileBytes(path), expected);
    ReleaseLabelCatalogueText(expected);
    EXPECT_EQ(ReadFileBytes(path + ".tmp"), "<missing>");
    LabelEntry back[MaxLabels];
    EXPECT_EQ(LoadLabelCatalogue(back, MaxLabels, nullptr), 2);
    EXPECT_STREQ(back[1].name, "No Name 2");
}

TEST_F(NativeCatalogueFile, NoDefaultFolderMeansNoCatalogue)
{
    unsetenv("PDR_COMMON_APPDATA");
    LabelEntry entries[MaxLabels];
    EXPECT_EQ(GetLabelCataloguePath(), nullptr);
    EXPECT_EQ(LoadLabelCatalogue(entries, MaxLabels, nullptr), 0);
    EXPECT_FALSE(SaveLabelCatalogue(entries, 0, nullptr));
}

}  // namespace
