/*
 * What the driver tells applications about the device, and whether the
 * spooler may print a queued job.  Both start from a fresh default record
 * merged with the caller's record; the labels are the catalogue's, read at
 * most once per call.  The three paper lists hold the catalogue's labels
 * and, when the merged record names paper 256, that paper after them, so
 * the paper of every record the driver hands out is one of its papers.
 * The exported entry points pass their arguments straight through.
 */
#ifndef PDR_SETTINGS_DEVICE_CAPABILITIES_H
#define PDR_SETTINGS_DEVICE_CAPABILITIES_H

#include <stdint.h>

#include "settings/catalogue_labels.h"
#include "settings/driver_devmode.h"

/* Capability indices, numbered as the platform numbers them. */
enum DeviceCapabilityIndex : uint16_t {
    CapFields = 1,
    CapPapers = 2,
    CapPaperSize = 3,
    CapMinExtent = 4,
    CapMaxExtent = 5,
    CapBins = 6,
    CapDuplex = 7,
    CapSize = 8,
    CapExtra = 9,
    CapVersion = 10,
    CapDriver = 11,
    CapBinNames = 12,
    CapEnumResolutions = 13,
    CapFileDependencies = 14,
    CapTrueType = 15,
    CapPaperNames = 16,
    CapOrientation = 17,
    CapCopies = 18,
};

/* UTF-16 units of one name slot of the two name lists. */
enum : uint32_t { BinNameSlotChars = 24, PaperNameSlotChars = 64 };

/* Extents and resolution, in tenths of a millimetre and dots per inch. */
enum : int32_t {
    MinExtentWidth = 100,
    MinExtentLength = 100,
    MaxExtentWidth = 1287,
    MaxExtentLength = 30480,
    ResolutionDpi = 300,
};

/* The bytes an answer of `count` entries (papers for the paper lists)
 * writes for `index`: a caller's buffer of this size is written exactly,
 * never beyond. */
uint32_t CapabilityOutputBytes(uint16_t index, int count);

/* The answer for `index` from a record that has been merged already;
 * `output` may be null.  The list indices load `labels` if needed. */
int32_t AnswerDeviceCapability(const DriverDevMode* merged, uint16_t index, void* output,
                               CatalogueLabels* labels);

/* The whole query: defaults named `deviceName` (may be null), merged with
 * `callerRecord` (may be null), then answered.  -1 when the caller's record
 * cannot be merged or the index is not answered. */
int32_t QueryDeviceCapability(const char16_t* deviceName, uint16_t index, void* output,
                              const void* callerRecord, CatalogueLabels* labels);

/* Whether a job carrying `jobRecord` (may be null) may print. */
bool DecideJobAcceptance(const void* jobRecord, CatalogueLabels* labels);

#endif
