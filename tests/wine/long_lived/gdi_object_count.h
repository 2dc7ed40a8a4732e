/*
 * The GDI objects this process holds, by kind.  Wine 8 answers
 * GetGuiResources with 0, so the objects are found by asking GetObjectType
 * about every slot of Wine's GDI handle table: Wine takes a handle's slot
 * number alone (its low 16 bits, without the generation bits above them)
 * for any live object of the process.  That is Wine's own leniency, so the
 * tests check first that the count follows objects made and deleted.
 */
#ifndef PDR_TESTS_GDI_OBJECT_COUNT_H
#define PDR_TESTS_GDI_OBJECT_COUNT_H

#include <string>

struct GdiObjectCount {
    int Total = 0;
    int Bitmaps = 0;
    int DeviceContexts = 0;
    int Brushes = 0;
    int Fonts = 0;
    int Regions = 0;
    int Others = 0;
};

GdiObjectCount CountGdiObjects();

/* "312 (bitmaps 40, DCs 12, brushes 80, fonts 30, regions 5, others 145)" */
std::string Describe(const GdiObjectCount& count);

#endif
