/* Where pictures go at the screen's dpi: unchanged at the base dpi, fitted
 * to their frames above it, and stretched the way their content allows. */
#include <gtest/gtest.h>

#include "imaging/picture_scale.h"

namespace {

const PictureBox PrinterFrame96 = {354, 11, 242, 371};

void ExpectBox(const PictureBox& box, int left, int top, int width, int height)
{
    EXPECT_EQ(box.Left, left);
    EXPECT_EQ(box.Top, top);
    EXPECT_EQ(box.Width, width);
    EXPECT_EQ(box.Height, height);
}

TEST(PicturePlacement, AtOrBelowTheBaseDpiEveryPictureKeepsItsPixelsWhateverTheFrame)
{
    const PictureBox frames[] = {PrinterFrame96, {354, 11, 241, 370}, {5, 6, 500, 900}, {5, 6, 0, 0}};
    const int dpis[] = {96, 72, 0, -144};
    for (const PictureBox& frame : frames) {
        for (int dpi : dpis) {
            for (PictureKind kind : {PictureArtwork, PictureScreened}) {
                const PicturePlacement placement = PlacePicture(frame, 242, 371, dpi, kind);
                ExpectBox(placement.Target, frame.Left, frame.Top, 242, 371);
                EXPECT_EQ(placement.Stretch, PictureCopied);
            }
        }
    }
}

TEST(PicturePlacement, AboveTheBaseDpiThePictureFillsItsFrameWithItsOwnProportions)
{
    // The printer picture in a frame 1.5 times as large but a little wider
    // than its proportions: full height, width from the proportions.
    PicturePlacement placement = PlacePicture({531, 17, 368, 557}, 242, 371, 144, PictureArtwork);
    ExpectBox(placement.Target, 531, 17, 363, 557);
    EXPECT_EQ(placement.Stretch, PictureSmoothed);

    // A frame taller than the proportions: full width.
    placement = PlacePicture({0, 0, 484, 800}, 242, 371, 192, PictureArtwork);
    ExpectBox(placement.Target, 0, 0, 484, 742);

    // The logo strip in a flat frame, a halftone sample in a square one.
    placement = PlacePicture({10, 400, 393, 58}, 196, 30, 192, PictureArtwork);
    ExpectBox(placement.Target, 10, 400, 379, 58);
    placement = PlacePicture({200, 30, 232, 233}, 155, 155, 144, PictureScreened);
    ExpectBox(placement.Target, 200, 30, 232, 232);
    EXPECT_EQ(placement.Stretch, PictureBlocky);
}

TEST(PicturePlacement, AFrameThatAlreadyFitsThePictureNeedsNoStretch)
{
    const PicturePlacement placement = PlacePicture({3, 4, 155, 160}, 155, 155, 144, PictureScreened);
    ExpectBox(placement.Target, 3, 4, 155, 155);
    EXPECT_EQ(placement.Stretch, PictureCopied);
}

TEST(PicturePlacement, WithoutAFrameThePictureGrowsWithTheDpi)
{
    const PicturePlacement placement = PlacePicture({7, 8, 0, 50}, 242, 371, 144, PictureArtwork);
    ExpectBox(placement.Target, 7, 8, 363, 557);
    EXPECT_EQ(ScaleToDpi(155, 120), 194);
    EXPECT_EQ(ScaleToDpi(155, 96), 155);
}

TEST(PicturePlacement, EmptyPicturesAndExtremeSizesStayWithinBounds)
{
    PicturePlacement placement = PlacePicture({1, 2, 300, 300}, 0, 371, 144, PictureArtwork);
    ExpectBox(placement.Target, 1, 2, 0, 371);
    EXPECT_EQ(placement.Stretch, PictureCopied);

    // A one-pixel-high strip in a huge frame, a huge dpi without a frame.
    placement = PlacePicture({0, 0, 2000000000, 2000000000}, 1000, 1, 144, PictureArtwork);
    EXPECT_EQ(placement.Target.Width, MaxPictureLength);
    EXPECT_LE(placement.Target.Height, MaxPictureLength);
    placement = PlacePicture({0, 0, 0, 0}, 242, 371, 2000000000, PictureArtwork);
    ExpectBox(placement.Target, 0, 0, MaxPictureLength, MaxPictureLength);

    // A tall thin picture in a wide frame never rounds to nothing.
    placement = PlacePicture({0, 0, 400, 2}, 1, 1000, 144, PictureArtwork);
    EXPECT_GE(placement.Target.Width, 1);
    EXPECT_EQ(placement.Target.Height, 2);
}

}  // namespace
