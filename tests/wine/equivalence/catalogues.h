/* The catalogue files the recorder writes before its scenarios, as bytes:
 * the loader must meet the same file whichever DLL is recorded. */
#ifndef PDR_EQUIVALENCE_CATALOGUES_H
#define PDR_EQUIVALENCE_CATALOGUES_H

#include <string>

/* Nine labels: every unit, offsets with and without digits, ids that are
 * duplicated, missing, out of range or not numbers, keys in other letter
 * cases, members to repair, a name in the 8-bit code page, text after the
 * array. */
std::string MixedCatalogue();
/* `count` labels of 4 x 6 inches named L1, L2, ... with ids from 257. */
std::string NumberedCatalogue(int count);
/* A label in tenths of a millimetre first, then one in millimetres. */
std::string TenthsFirstCatalogue();
inline std::string EmptyCatalogue()
{
    return "[]";
}

#endif
