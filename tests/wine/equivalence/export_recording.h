/*
 * The silent entry points: capabilities, job queries, conversions, silent
 * document calls and printer events, each with every caller's record, every
 * index or mode and buffers of several sizes.
 */
#ifndef PDR_EQUIVALENCE_EXPORT_RECORDING_H
#define PDR_EQUIVALENCE_EXPORT_RECORDING_H

#include <vector>

#include "driver_contract.h"
#include "input_records.h"
#include "machine_state.h"
#include "observation_log.h"

void RecordExports(ObservationLog& log, const DriverUnderTest& driver, RecordedPrinter& printer,
                   const std::vector<CallerInput>& inputs);

#endif
