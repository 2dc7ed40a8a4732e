#include "labels/label_catalogue.h"

#include <math.h>

#include "text/number_text.h"

/* The inch limits are the millimetre limits divided by 25.4 and the tenths
   limits ten times them; they are kept as these exact doubles so that the
   loader and the dialog accept and refuse exactly the same texts. */
const LabelSizeLimits LabelSizeLimitsTable[LabelUnitsCount] = {
    /* Millimetres */
    {{10.0, 128.7, 101.6}, {10.0, 3048.0, 152.4}},
    /* Inches */
    {{0.3937007874015748, 5.066929133858268, 4.0}, {0.3937007874015748, 120.0, 6.0}},
    /* TenthMillimetres */
    {{100.0, 1287.0, 1016.0}, {100.0, 30480.0, 1524.0}},
};

const LabelRange LabelOffsetRange = {-1200.0, 1200.0, 0.0};

namespace {

/* Each conversion either multiplies or divides by its factor; dividing by
   25.4 is not the same double as multiplying by 1/25.4, and 101.6 mm must
   come back as exactly 4 inches. */
struct UnitConversion {
    double factor;
    bool divide;
};

const UnitConversion UnitConversions[LabelUnitsCount][LabelUnitsCount] = {
    /* from Millimetres */ {{1.0, false}, {25.4, true}, {10.0, false}},
    /* from Inches */ {{25.4, false}, {1.0, false}, {254.0, false}},
    /* from TenthMillimetres */ {{10.0, true}, {254.0, true}, {1.0, false}},
};

/* Tenths of a millimetre per unit, by LabelUnits. */
const double TenthsPerUnit[LabelUnitsCount] = {10.0, 254.0, 1.0};

bool IsKnownUnits(int units)
{
    return units >= 0 && units < LabelUnitsCount;
}

int16_t SaturateToInt16(double value)
{
    if (isnan(value))
        return 0;
    if (value >= 32767.0)
        return 32767;
    if (value <= -32768.0)
        return -32768;
    return static_cast<int16_t>(value);
}

}  // namespace

const LabelSizeLimits* FindLabelSizeLimits(int units)
{
    return IsKnownUnits(units) ? &LabelSizeLimitsTable[units] : nullptr;
}

double ConvertLabelUnits(double value, int fromUnits, int toUnits)
{
    if (!IsKnownUnits(fromUnits) || !IsKnownUnits(toUnits))
        return value;
    const UnitConversion& conversion = UnitConversions[fromUnits][toUnits];
    return conversion.divide ? value / conversion.factor : value * conversion.factor;
}

int16_t LabelSizeInTenthsMm(const char* text, int units)
{
    double scale = IsKnownUnits(units) ? TenthsPerUnit[units] : 1.0;
    return SaturateToInt16(trunc(ReadLeadingDouble(text) * scale + 0.5));
}
