/* The Device page's boxes and the version text taken from what the
 * registry delivered. */
#include <gtest/gtest.h>

#include <wchar.h>

#include "pages/device_model.h"

namespace {

TEST(TakeVersionText, ReadsOnlyTheDeliveredBytes)
{
    wchar_t text[VersionTextCapacity] = L"unchanged";
    // The characters behind the delivered size are never part of the text.
    EXPECT_EQ(1, TakeVersionText(VersionValueKind::Text, u"1.2.3XXXXXXXXXXX", 10, text));
    EXPECT_STREQ(L"1.2.3", text);
    EXPECT_EQ(1, TakeVersionText(VersionValueKind::Text, u"1.2\0XXXX", 16, text));
    EXPECT_STREQ(L"1.2", text);
    EXPECT_EQ(1, TakeVersionText(VersionValueKind::Text, u"X", 0, text));
    EXPECT_STREQ(L"", text);

    wcscpy(text, L"unchanged");
    EXPECT_EQ(0, TakeVersionText(VersionValueKind::Text, u"1.2.3", 34, text));
    EXPECT_EQ(0, TakeVersionText(VersionValueKind::Text, nullptr, 0, text));
    EXPECT_EQ(0, TakeVersionText(VersionValueKind::Other, u"1.2.3", 12, text));
    EXPECT_STREQ(L"unchanged", text);
}

TEST(TakeVersionText, FifteenCharactersFitSixteenUnterminatedDoNot)
{
    wchar_t text[VersionTextCapacity] = L"unchanged";
    EXPECT_TRUE(TakeVersionText(VersionValueKind::Text, u"7.10.2026-b1234", 30, text));
    EXPECT_STREQ(L"7.10.2026-b1234", text);
    // An odd byte count ends in half a character, which is dropped.
    EXPECT_TRUE(TakeVersionText(VersionValueKind::Text, u"1.2.3", 11, text));
    EXPECT_STREQ(L"1.2.3", text);
    wcscpy(text, L"unchanged");
    EXPECT_FALSE(TakeVersionText(VersionValueKind::Text, u"7.10.2026-b12345", 32, text));
    EXPECT_STREQ(L"unchanged", text);
}

TEST(DeviceChoiceOptions, OnlyOneShowsCheckedAndTheBoxesStoreOneOrZero)
{
    DeviceChoice choice = DeviceChoiceFromOptions(PrinterOptions{1, 0});
    EXPECT_TRUE(choice.PullbackInstalled);
    EXPECT_FALSE(choice.CutterConnected);
    choice = DeviceChoiceFromOptions(PrinterOptions{2, 1});
    EXPECT_FALSE(choice.PullbackInstalled);
    EXPECT_TRUE(choice.CutterConnected);

    PrinterOptions options = {7, 7};
    StoreDeviceChoice(DeviceChoice{true, false}, &options);
    EXPECT_EQ(1u, options.Pullback);
    EXPECT_EQ(0u, options.Cutter);
    StoreDeviceChoice(DeviceChoice{false, true}, &options);
    EXPECT_EQ(0u, options.Pullback);
    EXPECT_EQ(1u, options.Cutter);
}

}  // namespace
