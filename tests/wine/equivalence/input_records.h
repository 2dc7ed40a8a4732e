/*
 * The callers' records the recorder hands to every export that takes one:
 * named records of each layout and each kind of value a caller may send,
 * and seeded hostile mutations.  They are built here from the record's byte
 * layout alone, so that the inputs are the same whichever DLL is recorded.
 */
#ifndef PDR_EQUIVALENCE_INPUT_RECORDS_H
#define PDR_EQUIVALENCE_INPUT_RECORDS_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "settings/driver_devmode.h"

struct CallerInput {
    std::string Name;
    bool Present = true; /* false: the caller passes no record */
    std::vector<uint8_t> Bytes;
};

/* A current-layout record as a caller that started from the driver's
 * defaults holds it. */
DriverDevMode DefaultCallerRecord();
CallerInput InputOf(const std::string& name, const DriverDevMode& record);

/* "none", then the named records. */
std::vector<CallerInput> NamedInputs();
/* `count` hostile records from a fixed seed, named random-000 on. */
std::vector<CallerInput> HostileInputs(int count);

/* The input of that name; null when there is none. */
const CallerInput* FindInput(const std::vector<CallerInput>& inputs, const std::string& name);

/* The buffer length a caller would give for the record's own output:
 * its dmSize + dmDriverExtra (508 for no record). */
size_t OutputSizeFor(const CallerInput& input);

/* Where records are handed to the DLL: the record's bytes followed by a
 * fixed filling, long enough for whatever size its header claims, so that
 * a reader past the record's end sees the same bytes in every run. */
class InputArea {
public:
    InputArea();
    /* The record placed at the start of the area; null for no record. */
    DEVMODEW* Place(const CallerInput& input);
    /* Whether the last placed record and its filling are as placed. */
    bool Unchanged() const;

private:
    std::vector<uint8_t> area;
    std::vector<uint8_t> placed;
};

#endif
