/*
 * The Manage Labels dialog, opened from the Label page of a document sheet
 * on a known catalogue: its controls after each add, modify, delete, units
 * switch and refused entry, the message boxes, the catalogue file after OK
 * or Cancel, and the Label page and output record that follow.
 */
#ifndef PDR_EQUIVALENCE_MANAGE_LABELS_RECORDING_H
#define PDR_EQUIVALENCE_MANAGE_LABELS_RECORDING_H

#include <vector>

#include "driver_contract.h"
#include "input_records.h"
#include "machine_state.h"
#include "observation_log.h"

void RecordManageLabels(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                        const std::vector<CallerInput>& inputs);

#endif
