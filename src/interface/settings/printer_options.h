/*
 * The hardware options a printer has installed, as its printer data
 * records them.  Pages decide from them which controls a user may touch.
 */
#ifndef PDR_SETTINGS_PRINTER_OPTIONS_H
#define PDR_SETTINGS_PRINTER_OPTIONS_H

#include <stdint.h>

/* Each member is 1 when the option is installed, else 0. */
struct PrinterOptions {
    uint32_t Pullback;
    uint32_t Cutter;
};

#endif
