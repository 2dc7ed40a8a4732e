#include "pages/intensity_model.h"

#include "settings/private_field_repairs.h"
#include "text/bounded_text.h"

IntensityChoice IntensityChoiceFromRecord(const DriverExtra& extra)
{
    IntensityChoice choice;
    for (int head = 0; head < PrintHeadCount; ++head)
        choice.HeadIntensity[head] = extra.HeadIntensity[head];
    // The record's speed is read as 16 bits and written back as 32.
    choice.PrintSpeed = static_cast<uint16_t>(extra.PrintSpeed);
    return choice;
}

void StoreIntensityChoice(const IntensityChoice& choice, DriverExtra* extra)
{
    for (int head = 0; head < PrintHeadCount; ++head)
        extra->HeadIntensity[head] = choice.HeadIntensity[head];
    extra->PrintSpeed = choice.PrintSpeed;
}

int SpeedListCount()
{
    return PrintSpeedRange.Maximum - PrintSpeedRange.Minimum + 1;
}

void FormatSpeedListText(int index, wchar_t* text, size_t capacity)
{
    if (text == nullptr || capacity == 0)
        return;
    text[0] = 0;
    AppendFormatBounded(text, capacity, "%d", PrintSpeedRange.Minimum + index);
}

int SpeedListIndex(uint16_t speed)
{
    return speed - PrintSpeedRange.Minimum;
}

uint16_t SpeedFromSelection(int selection, uint16_t currentSpeed)
{
    if (selection == NoSpeedSelection || selection < 0 || selection >= SpeedListCount())
        return currentSpeed;
    return static_cast<uint16_t>(selection + PrintSpeedRange.Minimum);
}
