/*
 * The Device page's choice, the hardware options the printer has, and the
 * driver's version text that the Device and About pages show.
 */
#ifndef PDR_PAGES_DEVICE_MODEL_H
#define PDR_PAGES_DEVICE_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "settings/printer_options.h"

/* Wide characters of the version text buffer the pages hand in. */
constexpr int VersionTextCapacity = 32;

/* Bytes offered to the registry for the version: at most 15 characters and
 * the terminator. */
constexpr uint32_t VersionValueBytes = 32;

/* The kinds of registry value the version may be stored as: only a text
 * (the registry's REG_SZ) is read as one. */
enum class VersionValueKind { Text, Other };

/* The two check boxes of the page. */
struct DeviceChoice {
    bool PullbackInstalled; /* "Pullback Option installed" */
    bool CutterConnected;   /* "Cutter Option connected" */
};

/* What the boxes show: an option counts as installed only when it is 1. */
DeviceChoice DeviceChoiceFromOptions(const PrinterOptions& options);

/* The boxes into the options, each 1 when checked, else 0. */
void StoreDeviceChoice(const DeviceChoice& choice, PrinterOptions* options);

/* The text inside a value the registry delivered: only a Text counts, and
 * only the UTF-16 units inside its `size` bytes are looked at.  A value
 * stored without its terminator is taken when the terminator still fits in
 * VersionValueBytes.  Returns true and fills `text` (VersionTextCapacity
 * wide characters), or false and leaves it alone. */
bool TakeVersionText(VersionValueKind kind, const char16_t* value, uint32_t size, wchar_t* text);

#endif
