/*
 * Where a page draws a picture at the screen's dots per inch, and how.
 *
 * Dialogs grow with the screen's dpi while bitmaps keep their pixels, so
 * above the base dpi a picture is stretched to fill the frame the dialog
 * template gives it.  At the base dpi (or a smaller or unknown one) it is
 * drawn at its own size, 1:1, as it always was.
 */
#ifndef PDR_IMAGING_PICTURE_SCALE_H
#define PDR_IMAGING_PICTURE_SCALE_H

/* The dpi the artwork is drawn for. */
const int BaseDpi = 96;

struct PictureBox {
    int Left;
    int Top;
    int Width;
    int Height;
};

/* What the picture shows decides how it may be stretched. */
enum PictureKind {
    PictureArtwork,  /* drawings, photographs: averaged, smooth */
    PictureScreened, /* halftone screens: nearest pixel, so dots stay dots */
};

enum PictureStretch {
    PictureCopied,   /* own size, one source pixel per screen pixel */
    PictureSmoothed, /* StretchBlt in HALFTONE mode */
    PictureBlocky,   /* StretchBlt in COLORONCOLOR mode */
};

struct PicturePlacement {
    PictureBox Target;
    PictureStretch Stretch;
};

/* `length` pixels at the base dpi, at `dpi`, rounded to the nearest pixel;
 * unchanged at or below the base dpi; never beyond MaxPictureLength. */
int ScaleToDpi(int length, int dpi);

/* GDI keeps coordinates within 16 bits on some paths. */
const int MaxPictureLength = 32767;

/* The picture of `sourceWidth` x `sourceHeight` pixels in `frame` at `dpi`.
 * Above the base dpi it is as large as fits in the frame with its own
 * proportions, anchored at the frame's top-left corner; a frame with no
 * area gives the source size scaled by the dpi instead.  At or below the
 * base dpi, and for a picture without pixels, it is the source size at the
 * frame's top-left corner, copied. */
PicturePlacement PlacePicture(PictureBox frame, int sourceWidth, int sourceHeight, int dpi, PictureKind kind);

#endif
