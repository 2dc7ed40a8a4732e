/* Whether an installation seeds the catalogue from the package's stock file. */
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "labels/catalogue_seed.h"

namespace {

/* The stock file's text in an open temporary file, closed at the end. */
struct StockFile {
    FILE* file;
    explicit StockFile(const std::string& text) : file(tmpfile())
    {
        fwrite(text.data(), 1, text.size(), file);
        rewind(file);
    }
    ~StockFile()
    {
        fclose(file);
    }
};

std::string Labels(int count)
{
    std::string text = "[";
    for (int index = 0; index < count; ++index)
        text += std::string(index > 0 ? ", " : "") + "{\"name\": \"L" + std::to_string(index) + "\"}";
    return text + "]";
}

TEST(CatalogueSeed, SeedsFromAStockFileTheLoaderReadsWhole)
{
    StockFile stock(
        "  [{\"name\": \"Shipping 4x6\", \"width\": \"4.00\", \"length\": \"6.00\", \"units\": 1, "
        "\"id\": 300}, {\"NAME\": \"Vial\", \"width\": 4}]\n");
    LabelList list = {};
    ASSERT_EQ(DecideCatalogueSeed(false, stock.file, &list), SeedDecision::Seed);
    ASSERT_EQ(list.Count, 2);
    EXPECT_STREQ(list.Labels[0].name, "Shipping 4x6");
    EXPECT_EQ(list.Labels[0].id, 300);
    /* Member repairs stay, as every load makes them. */
    EXPECT_STREQ(list.Labels[1].name, "Vial");
    EXPECT_STREQ(list.Labels[1].width, "4.00");
    EXPECT_EQ(list.Labels[1].id, 258);

    StockFile full(Labels(MaxLabels));
    EXPECT_EQ(DecideCatalogueSeed(false, full.file, &list), SeedDecision::Seed);
    EXPECT_EQ(list.Count, MaxLabels);
}

TEST(CatalogueSeed, AnExistingCatalogueOrNoStockFileSeedsNothing)
{
    StockFile stock(Labels(2));
    LabelList list = {};
    list.Count = -1;
    EXPECT_EQ(DecideCatalogueSeed(true, stock.file, &list), SeedDecision::CatalogueExists);
    EXPECT_EQ(DecideCatalogueSeed(false, nullptr, &list), SeedDecision::NoStockFile);
    EXPECT_EQ(list.Count, -1);
}

TEST(CatalogueSeed, AStockFileReadInPartSeedsNothing)
{
    const std::string readInPart[] = {
        Labels(2) + " trailing",                      /* text after the array */
        "{\"name\": \"one label\"}",                  /* not an array */
        Labels(MaxLabels + 1),                        /* more labels than the catalogue holds */
        std::string(MaxLabelCatalogueBytes + 1, ' '), /* too large */
        "not json",
        " \n\t",
        "",
    };
    for (const std::string& text : readInPart) {
        StockFile stock(text);
        LabelList list = {};
        EXPECT_EQ(DecideCatalogueSeed(false, stock.file, &list), SeedDecision::StockReadInPart)
            << text.substr(0, 40);
    }
}

}  // namespace
