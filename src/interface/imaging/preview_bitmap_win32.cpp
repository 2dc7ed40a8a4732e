#include "imaging/preview_bitmap_win32.h"

#include "imaging/pixel_adjust.h"
#include "imaging/preview_gdi_calls_win32.h"

#include <cstdint>

namespace {

constexpr DWORD CoreHeaderSize = 12;

DWORD PaletteEntriesForBitCount(WORD bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

BITMAPINFOHEADER Dib24Header(LONG width, LONG height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;  // positive: rows bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

// The pixel rows of a packed DIB start after its header and colour table.
uint8_t* DibRows(BITMAPINFOHEADER* header)
{
    return reinterpret_cast<uint8_t*>(header) + header->biSize + DibColorTableBytes(header);
}

DWORD Dib24RowsBytes(const BITMAPINFOHEADER& header)
{
    const LONG rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    return static_cast<DWORD>(Dib24Stride(header.biWidth)) * static_cast<DWORD>(rows);
}

// The first, bufferless read lets the platform complete the header, including the size of
// the pixel rows it is going to write.
bool CompleteDibHeader(HDC dc, HBITMAP source, HGLOBAL block, BITMAPINFOHEADER& header)
{
    const PreviewGdiCalls& gdi = CurrentPreviewGdiCalls();
    auto* blockHeader = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    if (blockHeader == nullptr)
        return false;
    *blockHeader = header;
    const UINT lines = static_cast<UINT>(header.biHeight);
    const int read = gdi.getDIBits(dc, source, 0, lines, nullptr, reinterpret_cast<BITMAPINFO*>(blockHeader),
                                   DIB_RGB_COLORS);
    header = *blockHeader;
    GlobalUnlock(block);
    if (read == 0)
        return false;
    // Never trust a size short of the rows the second read writes.
    const DWORD rowsBytes = Dib24RowsBytes(header);
    if (header.biSizeImage < rowsBytes)
        header.biSizeImage = rowsBytes;
    return true;
}

// A failed resize leaves the old block in place and still to be freed, so the handle is
// replaced only when the resize succeeds.
bool GrowDibBlock(HGLOBAL& block, const BITMAPINFOHEADER& header)
{
    const SIZE_T bytes = header.biSize + DibColorTableBytes(&header) + header.biSizeImage;
    HGLOBAL grown = CurrentPreviewGdiCalls().globalReAlloc(block, bytes, 0);
    if (grown == nullptr)
        return false;
    block = grown;
    return true;
}

bool ReadDibRows(HDC dc, HBITMAP source, HGLOBAL block)
{
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    if (header == nullptr)
        return false;
    const UINT lines = static_cast<UINT>(header->biHeight);
    const int read = CurrentPreviewGdiCalls().getDIBits(
        dc, source, 0, lines, DibRows(header), reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    GlobalUnlock(block);
    return read != 0;
}

// Allocates the block and fills it; frees everything it took when a step fails.
HGLOBAL ReadDib24Block(HDC dc, HBITMAP source, BITMAPINFOHEADER header)
{
    const PreviewGdiCalls& gdi = CurrentPreviewGdiCalls();
    HGLOBAL block = gdi.globalAlloc(GHND, header.biSize + DibColorTableBytes(&header));
    if (block == nullptr)
        return nullptr;
    if (!CompleteDibHeader(dc, source, block, header) || !GrowDibBlock(block, header) ||
        !ReadDibRows(dc, source, block)) {
        gdi.globalFree(block);
        return nullptr;
    }
    return block;
}

// Adjusts no more than the block holds, whatever size the caller claims; the rows are laid
// out by the block's own width.
void AdjustDibRows(BITMAPINFOHEADER* header, int width, int height, int brightness, int contrast, int red,
                   int green, int blue)
{
    const int dibWidth = header->biWidth;
    const int dibHeight = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    const int adjustWidth = width < dibWidth ? width : dibWidth;
    const int adjustHeight = height < dibHeight ? height : dibHeight;
    AdjustPixelBuffer(DibRows(header), adjustWidth, adjustHeight, Dib24Stride(dibWidth), brightness, contrast,
                      red, green, blue);
}

HBITMAP CreateScreenBitmap(BITMAPINFOHEADER* header)
{
    const PreviewGdiCalls& gdi = CurrentPreviewGdiCalls();
    HDC screen = gdi.getDC(nullptr);
    if (screen == nullptr)
        return nullptr;
    HBITMAP bitmap = gdi.createDIBitmap(screen, header, CBM_INIT, DibRows(header),
                                        reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
    gdi.releaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

DWORD DibColorTableBytes(const BITMAPINFOHEADER* header)
{
    if (header == nullptr)
        return 0;
    if (header->biSize == CoreHeaderSize) {
        const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(header);
        return PaletteEntriesForBitCount(core->bcBitCount) * sizeof(RGBTRIPLE);
    }
    const DWORD entries =
        header->biClrUsed != 0 ? (header->biClrUsed & 0xFFFF) : PaletteEntriesForBitCount(header->biBitCount);
    return entries * sizeof(RGBQUAD);
}

HGLOBAL BitmapToDib24(HBITMAP source)
{
    if (source == nullptr)
        return nullptr;
    BITMAP picture = {};
    if (GetObjectW(source, sizeof picture, &picture) == 0)
        return nullptr;

    const PreviewGdiCalls& gdi = CurrentPreviewGdiCalls();
    HDC dc = gdi.getDC(nullptr);
    if (dc == nullptr)
        return nullptr;
    // A palette-based screen would otherwise map the picture's colours through whatever
    // palette the screen happens to have.
    HPALETTE previous = SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    RealizePalette(dc);

    HGLOBAL block = ReadDib24Block(dc, source, Dib24Header(picture.bmWidth, picture.bmHeight));

    SelectPalette(dc, previous, FALSE);
    gdi.releaseDC(nullptr, dc);
    return block;
}

HBITMAP AdjustPreviewBitmap(HBITMAP source, int width, int height, int brightness, int contrast, int red,
                            int green, int blue)
{
    HGLOBAL block = BitmapToDib24(source);
    if (block == nullptr)
        return nullptr;

    HBITMAP bitmap = nullptr;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    if (header != nullptr) {
        AdjustDibRows(header, width, height, brightness, contrast, red, green, blue);
        bitmap = CreateScreenBitmap(header);
        GlobalUnlock(block);
    }
    CurrentPreviewGdiCalls().globalFree(block);
    return bitmap;
}
