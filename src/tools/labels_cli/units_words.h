/* The words pdr-labels reads and writes for LabelUnits. */
#ifndef PDR_TOOLS_LABELS_CLI_UNITS_WORDS_H
#define PDR_TOOLS_LABELS_CLI_UNITS_WORDS_H

#include <string>

/* "mm", "in" or "0.1mm"; "?" for a code outside 0 to 2. */
const char* UnitsWord(int units);

/* "mm", "in" (or "inches") and "0.1mm"; false for anything else. */
bool ParseUnitsWord(const std::string& word, int* units);

#endif
