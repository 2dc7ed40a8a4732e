#include "pages/layout_model.h"

#include "settings/private_field_repairs.h"
#include "text/bounded_text.h"

namespace {

/* Wide characters of the range piece: "1 - 25000" and its terminator fit. */
constexpr size_t RangeTextCapacity = 16;

}  // namespace

LayoutChoice LayoutChoiceFromRecord(const DriverDevMode& record)
{
    LayoutChoice choice;
    choice.Landscape = record.Public.dmOrientation == OrientationLandscape;
    choice.AlwaysUseDriverSetting = record.Extra.AlwaysUseDriverSetting != 0;
    choice.Copies = CopiesToShow(record);
    return choice;
}

int CopiesToShow(const DriverDevMode& record)
{
    return record.Extra.AlwaysUseDriverSetting != 0 ? record.Extra.DriverCopies : record.Public.dmCopies;
}

void StoreOrientationAndFlag(bool landscape, bool alwaysUseDriverSetting, DriverDevMode* record)
{
    record->Public.dmOrientation = landscape ? OrientationLandscape : OrientationPortrait;
    record->Extra.AlwaysUseDriverSetting = alwaysUseDriverSetting ? 1 : 0;
}

bool StoreValidCopies(int copies, DriverDevMode* record)
{
    if (!IsInRange(CopiesRange, copies))
        return false;
    record->Public.dmCopies = static_cast<int16_t>(copies);
    record->Extra.DriverCopies = static_cast<int16_t>(copies);
    return true;
}

void FormatCopiesError(wchar_t* body, size_t capacity, const wchar_t* invalidCopies,
                       const wchar_t* validRange)
{
    wchar_t range[RangeTextCapacity] = {};
    AppendFormatBounded(range, RangeTextCapacity, "%d - %d", CopiesRange.Minimum, CopiesRange.Maximum);
    CutTextToFit(body, capacity, invalidCopies);
    AppendCutToFit(body, capacity, L"\n");
    AppendCutToFit(body, capacity, validRange);
    AppendCutToFit(body, capacity, L" ");
    AppendCutToFit(body, capacity, range);
}
