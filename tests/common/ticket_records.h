/* Records over the print ticket mapping table, as the tests of both trees
 * build them. */
#ifndef PDR_TESTS_COMMON_TICKET_RECORDS_H
#define PDR_TESTS_COMMON_TICKET_RECORDS_H

#include "print_ticket/ticket_settings.h"

/* A valid value of the setting other than its default and other than what
 * the default shows as: the minimum (negative ones test the sign) unless
 * that is the default, then the maximum; a choice's next option. */
inline int64_t AwayFromDefault(const TicketSetting& setting)
{
    const TicketRange range = TicketSettingRange(setting);
    if (setting.Kind == TicketKind::Choice)
        return setting.Choices[(ChoiceShowingValue(setting, range.Default) + 1) % setting.ChoiceCount].Value;
    return range.Minimum != range.Default ? range.Minimum : range.Maximum;
}

/* Every number and every choice with more than one option of the table
 * away from its default; the paper and the label name are left alone. */
inline void MoveSettingsAwayFromDefaults(DriverDevMode* record)
{
    for (int i = 0; i < TicketSettingCount; ++i) {
        const TicketSetting& setting = TicketSettings[i];
        if (setting.Kind == TicketKind::Number ||
            (setting.Kind == TicketKind::Choice && setting.ChoiceCount > 1))
            WriteTicketField(record, setting, AwayFromDefault(setting));
    }
}

#endif
