#include "imaging/picture_scale.h"

#include <stdint.h>

namespace {

int AtMostMaxLength(int64_t length)
{
    return length > MaxPictureLength ? MaxPictureLength : static_cast<int>(length);
}

/* part * whole / of, rounded to the nearest, for positive values. */
int64_t ScaledRounded(int64_t part, int64_t whole, int64_t of)
{
    return (part * whole + of / 2) / of;
}

PictureBox FittedInFrame(const PictureBox& frame, int sourceWidth, int sourceHeight)
{
    // Full width unless that makes the picture taller than the frame; then
    // full height.
    int64_t width = frame.Width;
    int64_t height = ScaledRounded(sourceHeight, frame.Width, sourceWidth);
    if (height > frame.Height) {
        height = frame.Height;
        width = ScaledRounded(sourceWidth, frame.Height, sourceHeight);
    }
    return PictureBox{frame.Left, frame.Top, AtMostMaxLength(width > 0 ? width : 1),
                      AtMostMaxLength(height > 0 ? height : 1)};
}

}  // namespace

int ScaleToDpi(int length, int dpi)
{
    if (dpi <= BaseDpi || length <= 0)
        return length;
    return AtMostMaxLength(ScaledRounded(length, dpi, BaseDpi));
}

PicturePlacement PlacePicture(PictureBox frame, int sourceWidth, int sourceHeight, int dpi, PictureKind kind)
{
    PicturePlacement placement = {{frame.Left, frame.Top, sourceWidth, sourceHeight}, PictureCopied};
    if (dpi <= BaseDpi || sourceWidth <= 0 || sourceHeight <= 0)
        return placement;
    if (frame.Width > 0 && frame.Height > 0)
        placement.Target = FittedInFrame(frame, sourceWidth, sourceHeight);
    else
        placement.Target = {frame.Left, frame.Top, ScaleToDpi(sourceWidth, dpi),
                            ScaleToDpi(sourceHeight, dpi)};
    if (placement.Target.Width != sourceWidth || placement.Target.Height != sourceHeight)
        placement.Stretch = kind == PictureScreened ? PictureBlocky : PictureSmoothed;
    return placement;
}
