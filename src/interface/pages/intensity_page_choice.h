/*
 * The Intensity & Speed page's choice: the heat of the four print heads and
 * the print speed, with the checks made when the user leaves the page or
 * presses OK.
 */
#ifndef PDR_PAGES_INTENSITY_PAGE_CHOICE_H
#define PDR_PAGES_INTENSITY_PAGE_CHOICE_H

#include <windows.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

enum : int { HeadCount = 4, LowestHeadIntensity = 1, HighestHeadIntensity = 32 };
enum : int { SlowestPrintSpeed = 2, FastestPrintSpeed = 7 };

struct IntensityChoice {
    uint16_t HeadIntensity[HeadCount];
    uint16_t PrintSpeed;
};

bool IsValidHeadIntensity(int value);

/* The speed that a selection of the speed list stands for.  No selection
 * (CB_ERR) keeps `currentSpeed`. */
uint16_t SpeedFromSelection(LRESULT selection, uint16_t currentSpeed);

IntensityChoice IntensityChoiceFromRecord(const DriverExtra& extra);
void StoreIntensityChoice(const IntensityChoice& choice, DriverExtra* extra);

/* The page's steps, each on the page's window. */
void ShowIntensityChoice(HWND page, const IntensityChoice& choice);

/* 1 with `choice` filled when every head is within range.  Otherwise 0: the
 * first bad head has been reported in a message box and holds the focus,
 * and `choice` is not to be used. */
int ReadIntensityControls(HWND page, IntensityChoice* choice);

#endif
