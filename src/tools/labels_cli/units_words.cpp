#include "units_words.h"

#include "labels/label_catalogue.h"

const char* UnitsWord(int units)
{
    switch (units) {
    case Millimetres:
        return "mm";
    case Inches:
        return "in";
    case TenthMillimetres:
        return "0.1mm";
    default:
        return "?";
    }
}

bool ParseUnitsWord(const std::string& word, int* units)
{
    if (word == "mm")
        *units = Millimetres;
    else if (word == "in" || word == "inches")
        *units = Inches;
    else if (word == "0.1mm")
        *units = TenthMillimetres;
    else
        return false;
    return true;
}
