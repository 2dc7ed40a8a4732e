#include "test_bitmaps.h"

#include "imaging/pixel_adjust.h"

const RGBQUAD TestPalette[16] = {
    {0, 0, 0, 0},       {50, 100, 200, 0},  {0, 128, 0, 0},   {128, 128, 0, 0},
    {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},   {255, 255, 0, 0},
    {0, 0, 255, 0},     {254, 254, 254, 0}, {0, 255, 255, 0}, {255, 255, 255, 0}};

int TestPaletteIndexAt(int x, int y)
{
    return (x / 3 + y * 5) % 16;
}

namespace {

struct FourBitInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[16];
};

FourBitInfo FourBitInfoFor(int width, int height)
{
    FourBitInfo info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 4;
    info.header.biCompression = BI_RGB;
    for (int i = 0; i < 16; ++i)
        info.colors[i] = TestPalette[i];
    return info;
}

int FourBitStride(int width)
{
    return ((width * 4 + 31) / 32) * 4;
}

void FillFourBitRows(uint8_t* rows, int width, int height, int stride, bool topDown)
{
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows + (topDown ? height - 1 - y : y) * stride;
        for (int x = 0; x < width; ++x) {
            const int index = TestPaletteIndexAt(x, y);
            row[x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
    }
}

}  // namespace

HBITMAP CreateFourBitSection(int width, int height)
{
    FourBitInfo info = FourBitInfoFor(width, height);
    void* bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    const int stride = FourBitStride(width);
    ZeroMemory(bits, static_cast<size_t>(stride) * height);
    FillFourBitRows(static_cast<uint8_t*>(bits), width, height, stride, false);
    GdiFlush();
    return bitmap;
}

HBITMAP CreateFourBitDdb(int width, int height)
{
    // CreateBitmap rows are padded to 16 bits and run top-down.
    const int stride = ((width * 4 + 15) / 16) * 2;
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * height, 0);
    FillFourBitRows(rows.data(), width, height, stride, true);
    return CreateBitmap(width, height, 1, 4, rows.data());
}

HBITMAP CreateGradientSection(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    const int stride = Dib24Stride(width);
    auto* rows = static_cast<uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = rows + y * stride + 3 * x;
            const int n = y * width + x;
            pixel[0] = static_cast<uint8_t>(n);
            pixel[1] = static_cast<uint8_t>(255 - n);
            pixel[2] = static_cast<uint8_t>(n * 7 + y);
        }
    GdiFlush();
    return bitmap;
}

std::vector<uint8_t> ReadRows24(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> rows(static_cast<size_t>(Dib24Stride(width)) * height, 0);
    HDC screen = GetDC(nullptr);
    const int read =
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (read != height)
        rows.clear();
    return rows;
}
