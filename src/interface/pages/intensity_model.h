/*
 * The Intensity & Speed page's choice: the heat of the four print heads and
 * the print speed, what the page shows for them and what it stores.  The
 * page checks the heads when the user leaves it or presses OK.
 */
#ifndef PDR_PAGES_INTENSITY_MODEL_H
#define PDR_PAGES_INTENSITY_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

/* What the page shows and stores, in the record's order.  The record's
 * speed is 32 bits; the page keeps it as 16. */
struct IntensityChoice {
    uint16_t HeadIntensity[PrintHeadCount]; /* head 1 to head 4, each within HeadIntensityRange */
    uint16_t PrintSpeed;                    /* inches per second, within PrintSpeedRange */
};

/* The speed list's "no selection" (the list control's CB_ERR). */
constexpr int NoSpeedSelection = -1;

/* The four heads and the speed of the record's private part, the speed
 * read as 16 bits. */
IntensityChoice IntensityChoiceFromRecord(const DriverExtra& extra);

/* Writes the four heads and the speed (as 32 bits) into `extra`; nothing
 * else of the record changes. */
void StoreIntensityChoice(const IntensityChoice& choice, DriverExtra* extra);

/* The number of entries of the speed list: one per speed of PrintSpeedRange,
 * slowest first. */
int SpeedListCount();

/* The text of entry `index` of the speed list: its speed as "%d" renders
 * it ("2" for the first).  `text` holds `capacity` wide characters; a
 * text that does not fit leaves it empty. */
void FormatSpeedListText(int index, wchar_t* text, size_t capacity);

/* The entry of the speed list that stands for `speed` (its distance from
 * the slowest speed); not checked against the list's length. */
int SpeedListIndex(uint16_t speed);

/* The speed that a selection of the speed list stands for.  No selection
 * (NoSpeedSelection) or an index past the list keeps `currentSpeed`. */
uint16_t SpeedFromSelection(int selection, uint16_t currentSpeed);

#endif
