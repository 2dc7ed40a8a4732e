#include "new_label_arguments.h"

#include "labels/new_label.h"
#include "units_words.h"

namespace {

NewLabelText TextOf(const ToolArgument* argument)
{
    if (argument == nullptr)
        return {nullptr, true};
    return {argument->text.c_str(), argument->textUsable};
}

std::string DescribeNameRefusal(NewLabelProblem problem)
{
    switch (problem) {
    case NewLabelProblem::EmptyName:
        return "You must enter a name.";
    case NewLabelProblem::TooLong:
        return "Invalid name: at most " + std::to_string(LabelNameSize - 1) + " bytes.";
    case NewLabelProblem::NotRepresentable:
    case NewLabelProblem::OutOfRange:
        break;
    }
    return "Invalid name: it cannot be written in the system's code page.";
}

const char* FieldMessage(NewLabelField field)
{
    switch (field) {
    case NewLabelField::Width:
        return "Invalid Width";
    case NewLabelField::Length:
        return "Invalid Length";
    case NewLabelField::HorizontalOffset:
        return "Invalid Horizontal Offset";
    case NewLabelField::VerticalOffset:
        return "Invalid Vertical Offset";
    case NewLabelField::Name:
        break;
    }
    return "Invalid name";
}

/* The dialog's message and range, the sizes' range with its units word; a
 * text the field cannot take at all says how long it may be. */
std::string DescribeNumberRefusal(const NewLabelRefusal& refusal, int units)
{
    const bool isSize = refusal.Field == NewLabelField::Width || refusal.Field == NewLabelField::Length;
    const std::string unitsWord = isSize ? std::string(" ") + UnitsWord(units) : "";
    const std::string shown = refusal.Range + unitsWord;
    const std::string range = std::string(FieldMessage(refusal.Field)) + ". Valid range: " + shown;
    if (refusal.Problem == NewLabelProblem::OutOfRange)
        return range + ".";
    return range + " (at most " + std::to_string(LabelNumberTextSize - 1) + " characters).";
}

}  // namespace

bool BuildNewLabel(const NewLabelArguments& arguments, LabelEntry* label, std::string* problem)
{
    const NewLabelTexts texts = {TextOf(arguments.name),           TextOf(arguments.width),
                                 TextOf(arguments.length),         TextOf(arguments.horizontalOffset),
                                 TextOf(arguments.verticalOffset), arguments.units};
    NewLabelRefusal refusal = {};
    if (ReadNewLabel(texts, label, &refusal))
        return true;
    *problem = refusal.Field == NewLabelField::Name ? DescribeNameRefusal(refusal.Problem)
                                                    : DescribeNumberRefusal(refusal, arguments.units);
    return false;
}
