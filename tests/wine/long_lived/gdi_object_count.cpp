#include "gdi_object_count.h"

#include <windows.h>

namespace {

/* Wine's table has 65536 slots, the first ones never used. */
const unsigned SlotCount = 0x10000;

void CountOne(DWORD type, GdiObjectCount* count)
{
    ++count->Total;
    switch (type) {
    case OBJ_BITMAP:
        ++count->Bitmaps;
        break;
    case OBJ_DC:
    case OBJ_MEMDC:
    case OBJ_METADC:
    case OBJ_ENHMETADC:
        ++count->DeviceContexts;
        break;
    case OBJ_BRUSH:
        ++count->Brushes;
        break;
    case OBJ_FONT:
        ++count->Fonts;
        break;
    case OBJ_REGION:
        ++count->Regions;
        break;
    default:
        ++count->Others;
        break;
    }
}

}  // namespace

GdiObjectCount CountGdiObjects()
{
    GdiObjectCount count;
    for (unsigned slot = 1; slot < SlotCount; ++slot) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(slot)));
        if (type != 0)
            CountOne(type, &count);
    }
    return count;
}

std::string Describe(const GdiObjectCount& count)
{
    return std::to_string(count.Total) + " (bitmaps " + std::to_string(count.Bitmaps) + ", DCs " +
           std::to_string(count.DeviceContexts) + ", brushes " + std::to_string(count.Brushes) + ", fonts " +
           std::to_string(count.Fonts) + ", regions " + std::to_string(count.Regions) + ", others " +
           std::to_string(count.Others) + ")";
}
