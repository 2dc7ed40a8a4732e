/* A stock's print settings on the command line: the options of `add` and
 * `set` (--speed, --intensity, --tapethrift, --cutter, --cut-offset,
 * --pullback) read into LabelSettings, and settings written back in the
 * same words for `list`. */
#ifndef PDR_TOOLS_LABELS_CLI_SETTINGS_OPTIONS_H
#define PDR_TOOLS_LABELS_CLI_SETTINGS_OPTIONS_H

#include <string>

#include "labels/label_settings.h"
#include "tool_request.h"

/* The setting options `add` and `set` take. */
#define SETTING_OPTION_NAMES \
    "--speed", "--intensity", "--tapethrift", "--cutter", "--cut-offset", "--pullback"

enum class SettingOptionsOutcome {
    Read,
    Malformed,  /* a value not of the option's form: a wrong command line */
    OutOfRange, /* a number outside the settings record's range: refused */
};

/*
 * The settings the request's options give, each present in `changes`; a
 * later option overrides an earlier one.  Otherwise the first problem, in
 * `problem`.  `--cutter every:N` gives both the cutter (on) and the cut
 * interval.
 */
SettingOptionsOutcome ReadSettingOptions(const ToolRequest& request, LabelSettings* changes,
                                         std::string* problem);

/* The settings present as the options would give them, e.g.
 * "speed 2, intensity 20,20,18,18, cutter every:10"; "" for none. */
std::string DescribeSettings(const LabelSettings& settings);

#endif
