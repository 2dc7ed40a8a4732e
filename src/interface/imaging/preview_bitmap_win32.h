// The Color page's preview picture: a bitmap read out as 24-bit pixels, recoloured with the
// five colour levels and turned back into a bitmap for the screen.
#pragma once

#include <windows.h>

// Bytes of the colour table that follows a DIB header, either a BITMAPCOREHEADER (size 12,
// 3-byte entries) or a BITMAPINFOHEADER or later (4-byte entries).
DWORD DibColorTableBytes(const BITMAPINFOHEADER* header);

// A packed 24-bit DIB of the whole picture in one GHND block (header, no colour table, rows
// bottom-up), or none. The caller frees the block.
HGLOBAL BitmapToDib24(HBITMAP source);

// A new screen-compatible bitmap of source recoloured with the levels (each 0..200, 100 for no
// change), or none. width and height are the source's size. The caller deletes the result.
HBITMAP AdjustPreviewBitmap(HBITMAP source, int width, int height, int brightness, int contrast, int red,
                            int green, int blue);
