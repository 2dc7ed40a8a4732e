/* Merges and capability lists against the default catalogue file. */
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "merge_test_support.h"
#include "settings/device_capabilities.h"
#include "settings/devmode_merge.h"

namespace {

class DefaultCatalogueFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/pdr-merge-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        setenv("PDR_COMMON_APPDATA", folder_.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("PDR_COMMON_APPDATA");
        std::string command = "rm -rf '" + folder_ + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }
    void WriteCatalogue(const char* text)
    {
        std::string path = folder_ + "/PDR7300Zr";
        mkdir(path.c_str(), 0777);
        FILE* file = fopen((path + "/label-list.kmr").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fputs(text, file);
        fclose(file);
    }
    std::string folder_;
};

const char TwoLabels[] = "[{\"name\": \"Shipping 4x6\", \"width\": \"4.00\", \"length\": \"6.00\","
                         "  \"horzOffset\": \"9999e-9\", \"vertOffset\": \"-12\", \"units\": 1, \"id\": 300},"
                         " {\"name\": \"Small\", \"width\": \"50\", \"length\": \"30\","
                         "  \"horzOffset\": \"0\", \"vertOffset\": \"0\", \"units\": 0, \"id\": 301}]";

TEST_F(DefaultCatalogueFile, MergeResolvesALabelFromTheFile)
{
    WriteCatalogue(TwoLabels);
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    DriverDevMode target = DefaultRecord();
    ASSERT_EQ(1, MergeDevMode(&target, &incoming));
    EXPECT_EQ(300, target.Public.dmPaperSize);
    EXPECT_EQ(1016, target.Public.dmPaperWidth);
    EXPECT_EQ(1524, target.Public.dmPaperLength);
    EXPECT_EQ(u"Shipping 4x6", FormName(target));
    EXPECT_STREQ("Shipping 4x6", target.Extra.LabelName);
    // The loader accepts "9999e-9" as a tiny number; the record must not
    // take its leading integer.
    EXPECT_EQ(0, target.Extra.HorizontalOffset);
    EXPECT_EQ(-12, target.Extra.VerticalOffset);
}

TEST_F(DefaultCatalogueFile, NoFileMeansTheFallbackAndOnlyTheRecordsPaperListed)
{
    DriverDevMode incoming = DefaultRecord();
    incoming.Public.dmPaperSize = 300;
    DriverDevMode target = DefaultRecord();
    ASSERT_EQ(1, MergeDevMode(&target, &incoming));
    EXPECT_EQ(u"Default", FormName(target));

    uint16_t ids[4] = {0xAAAA, 0xAAAA, 0xAAAA, 0xAAAA};
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    EXPECT_EQ(1, QueryDeviceCapability(nullptr, CapPapers, ids, nullptr, &labels));
    EXPECT_EQ(256, ids[0]);
    EXPECT_EQ(0xAAAA, ids[1]);

    ResetCatalogueLabels(&labels);
    EXPECT_FALSE(DecideJobAcceptance(&incoming, &labels));
}

TEST_F(DefaultCatalogueFile, ListsAndJobsReadTheFileInOrder)
{
    WriteCatalogue(TwoLabels);
    uint16_t ids[4] = {0, 0, 0, 0xAAAA};
    CatalogueLabels labels;
    ResetCatalogueLabels(&labels);
    EXPECT_EQ(3, QueryDeviceCapability(nullptr, CapPapers, ids, nullptr, &labels));
    EXPECT_EQ(300, ids[0]);
    EXPECT_EQ(301, ids[1]);
    EXPECT_EQ(256, ids[2]);  // the defaults' own paper, after the labels
    EXPECT_EQ(0xAAAA, ids[3]);

    DriverDevMode job = DefaultRecord();
    job.Public.dmPaperSize = 301;
    ResetCatalogueLabels(&labels);
    EXPECT_TRUE(DecideJobAcceptance(&job, &labels));
    job.Public.dmPaperSize = 302;
    ResetCatalogueLabels(&labels);
    EXPECT_FALSE(DecideJobAcceptance(&job, &labels));
}

}  // namespace
