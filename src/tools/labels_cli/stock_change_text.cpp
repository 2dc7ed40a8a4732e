#include "stock_change_text.h"

namespace {

struct OutcomeWording {
    const char* verb;
    const char* reason; /* after the label, or empty */
};

/* Indexed by StockOutcome. */
const OutcomeWording OutcomeWordings[] = {
    {"added", ""},
    {"updated", ""},
    {"removed", ""},
    {"kept", ": changed here"},
    {"not brought back", ": deleted here"},
    {"kept", ": the machine's own label of that name"},
    {"left out", ": the catalogue holds at most 128 labels"},
};

int CountOutcome(const StockUpdate& update, StockOutcome outcome)
{
    int count = 0;
    for (int i = 0; i < update.ChangeCount; ++i)
        count += update.Changes[i].Outcome == outcome ? 1 : 0;
    return count;
}

}  // namespace

std::string DescribeStockChange(const StockChange& change)
{
    const OutcomeWording& wording = OutcomeWordings[static_cast<int>(change.Outcome)];
    std::string text = std::string(wording.verb) + " \"" + change.Name + "\"";
    if (change.Id >= 0)
        text += " (id " + std::to_string(change.Id) + ")";
    return text + wording.reason;
}

std::string SummariseStockUpdate(const StockUpdate& update)
{
    return std::to_string(CountOutcome(update, StockOutcome::Added)) + " added, " +
           std::to_string(CountOutcome(update, StockOutcome::Updated)) + " updated, " +
           std::to_string(CountOutcome(update, StockOutcome::Removed)) + " removed, " +
           std::to_string(CountOutcome(update, StockOutcome::KeptChanged) +
                          CountOutcome(update, StockOutcome::KeptDeleted)) +
           " kept as changed here, " + std::to_string(CountOutcome(update, StockOutcome::LeftOut)) +
           " left out";
}
