/*
 * The printer-properties sheet, hosted with the recorded DLL's
 * DrvDevicePropertySheets: its page, both option boxes toggled, OK or
 * Cancel, and the printer data it leaves.
 */
#ifndef PDR_EQUIVALENCE_DEVICE_SHEET_RECORDING_H
#define PDR_EQUIVALENCE_DEVICE_SHEET_RECORDING_H

#include "driver_contract.h"
#include "machine_state.h"
#include "observation_log.h"

void RecordDeviceSheets(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer);

#endif
