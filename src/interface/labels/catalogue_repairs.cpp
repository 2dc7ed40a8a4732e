#include "labels/catalogue_repairs.h"

void ReportLabelRepair(const LabelRepairSink* repairs, const LabelRepairNote& note)
{
    if (repairs != nullptr && repairs->report != nullptr)
        repairs->report(repairs->context, note);
}

bool RepairIgnoresFileContent(LabelRepairKind kind)
{
    switch (kind) {
    case LabelRepairKind::FileUnreadable:
    case LabelRepairKind::FileTooLarge:
    case LabelRepairKind::NotJson:
    case LabelRepairKind::NotAnArray:
    case LabelRepairKind::TextAfterValue:
    case LabelRepairKind::TooManyLabels:
        return true;
    case LabelRepairKind::EmptyText:
    case LabelRepairKind::NotAnObject:
    case LabelRepairKind::MemberMissing:
    case LabelRepairKind::WrongType:
    case LabelRepairKind::TextTooLong:
    case LabelRepairKind::OutOfRange:
    case LabelRepairKind::NotWholeNumber:
    case LabelRepairKind::SettingsNotAnObject:
    case LabelRepairKind::SettingWrongType:
    case LabelRepairKind::SettingOutOfRange:
        break;
    }
    return false;
}
