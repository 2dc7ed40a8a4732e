// The library runs inside programs that may have switched the C locale to
// one with a decimal comma; none of the catalogue's number texts may notice.
#include "labels/catalogue_json.h"
#include "text/number_text.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdio.h>
#include <string.h>
#include <string>

namespace {

class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = setlocale(LC_ALL, nullptr);
        if (setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
            GTEST_SKIP() << "locale de_DE.UTF-8 is not generated on this machine";
        // Prove the locale really writes a decimal comma, or the tests below
        // would pass for nothing.
        char probe[16];
        snprintf(probe, sizeof probe, "%.1f", 2.5);
        ASSERT_STREQ(probe, "2,5");
    }
    void TearDown() override
    {
        setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
};

TEST_F(GermanLocale, NumberTextsStillUseThePoint)
{
    EXPECT_EQ(ReadLeadingDouble("4.00"), 4.0);
    EXPECT_EQ(ReadLeadingDouble("101.6"), 101.6);
    EXPECT_EQ(ReadLeadingDouble("4,5"), 4.0);
    char text[16];
    ASSERT_TRUE(FormatFixed2(text, sizeof text, 2.5));
    EXPECT_STREQ(text, "2.50");
    FormatFixed2(text, sizeof text, -101.6);
    EXPECT_STREQ(text, "-101.60");
    EXPECT_EQ(LabelSizeInTenthsMm("4.00", Inches), 1016);
    EXPECT_EQ(LabelSizeInTenthsMm("101.6", Millimetres), 1016);
}

TEST_F(GermanLocale, LoaderRangesAndDefaultsAreUnchanged)
{
    const char* text = "[{\"units\":0,\"width\":\"128.7\",\"length\":\"3048.1\"},"
                       " {\"id\":3.001e2,\"units\":1.5,\"width\":\"0.39\",\"horzOffset\":\"12.5\"}]";
    LabelEntry entries[2];
    ASSERT_EQ(ParseLabelCatalogue(text, entries, 2), 2);
    EXPECT_STREQ(entries[0].width, "128.7");
    EXPECT_STREQ(entries[0].length, "152.40");
    EXPECT_EQ(entries[1].id, 300);
    EXPECT_EQ(entries[1].units, Inches);
    EXPECT_STREQ(entries[1].width, "4.00");
    EXPECT_STREQ(entries[1].horzOffset, "12.5");
}

TEST_F(GermanLocale, RenderingWritesTheSameBytes)
{
    LabelEntry label;
    memset(&label, 0, sizeof label);
    strcpy(label.name, "A");
    strcpy(label.width, "2.50");
    strcpy(label.length, "6.00");
    strcpy(label.horzOffset, "0");
    strcpy(label.vertOffset, "0");
    label.units = Inches;
    label.id = 32767;
    char* text = RenderLabelCatalogue(&label, 1);
    ASSERT_NE(text, nullptr);
    EXPECT_NE(strstr(text, "\"width\":\t\"2.50\""), nullptr);
    EXPECT_NE(strstr(text, "\"id\":\t32767\n"), nullptr);
    ReleaseLabelCatalogueText(text);
}

}  // namespace
