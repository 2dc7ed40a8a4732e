/*
 * The Layout page's choice: orientation, the number of copies, and whether
 * the driver's own copy count is the one the page shows.  Orientation and
 * the flag are stored only on OK; the count is checked and stored whenever
 * the user leaves the page, into both copy fields of the record.
 */
#ifndef PDR_PAGES_LAYOUT_MODEL_H
#define PDR_PAGES_LAYOUT_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

/* What the page shows when it opens. */
struct LayoutChoice {
    bool Landscape;              /* the record says landscape; anything else shows as portrait */
    bool AlwaysUseDriverSetting; /* the record's flag is not 0 */
    int Copies;                  /* the count of the copies edit (CopiesToShow) */
};

/* The choice the page opens with. */
LayoutChoice LayoutChoiceFromRecord(const DriverDevMode& record);

/* The count the copies edit opens with: the driver's own count when the
 * record says to always use it, else the public one. */
int CopiesToShow(const DriverDevMode& record);

/* Stores the orientation (landscape or portrait) and the flag (1 or 0);
 * the copy counts are left alone. */
void StoreOrientationAndFlag(bool landscape, bool alwaysUseDriverSetting, DriverDevMode* record);

/* Stores a count within CopiesRange into both copy fields and returns
 * true; otherwise stores nothing and returns false. */
bool StoreValidCopies(int copies, DriverDevMode* record);

/* The copies error's body, from the loaded strings "Invalid Number of
 * Copies" (`invalidCopies`) and "Valid range:" (`validRange`): that, a line
 * feed, this, a blank, then CopiesRange as "%d - %d".  Each piece is cut to
 * what is left of `body` (`capacity` wide characters), which always ends
 * terminated; null strings count as empty. */
void FormatCopiesError(wchar_t* body, size_t capacity, const wchar_t* invalidCopies,
                       const wchar_t* validRange);

#endif
