#include "tool_commands.h"

namespace {

const char ProgramHelp[] = "Usage: pdr-labels [--file PATH] COMMAND [ARGUMENTS]\n"
                           "\n"
                           "Reads and changes the machine's label catalogue with the rules of the\n"
                           "driver and its Manage Labels dialog.\n"
                           "\n"
                           "Commands:\n"
                           "  list [--json]                 the labels as the driver reads them\n"
                           "  check [FILE]                  every repair the driver would make to FILE\n"
                           "  add NAME WIDTH LENGTH [--units mm|in|0.1mm] [--offsets H V] [SETTINGS]\n"
                           "                                append a label\n"
                           "  set NAME | --id N SETTINGS | --clear-settings\n"
                           "                                change a label's print settings\n"
                           "  remove NAME | --id N          remove one label\n"
                           "  import FILE [--replace|--merge]\n"
                           "                                take the labels of FILE\n"
                           "  export FILE                   write the catalogue to FILE\n"
                           "  update-from FILE [--dry-run]  take the new and changed stocks of a\n"
                           "                                package's stock file, keeping changes made here\n"
                           "  lock | unlock                 let users only read the machine's label list,\n"
                           "                                or change it again (administrators)\n"
                           "  help [COMMAND]                this text, or a command's\n"
                           "\n"
                           "Options:\n"
                           "  --file PATH   work on PATH instead of the machine's catalogue\n"
                           "  --help        show the help of the command\n"
                           "\n"
                           "SETTINGS, the print settings a stock carries, each optional:\n"
                           "  --speed N (2 - 7)  --intensity N | N,N,N,N (1 - 32)  --tapethrift on|off\n"
                           "  --cutter off | every:N (1 - 25000)  --cut-offset N (-1200 - 1200)\n"
                           "  --pullback on|off\n"
                           "\n"
                           "Exit status: 0 done; 1 refused, nothing changed (check: repairs needed);\n"
                           "2 wrong command line; 3 a file could not be read or written;\n"
                           "4 the label list is managed by the administrator (lock, unlock: not an\n"
                           "administrator), nothing changed.\n";

const char LockHelp[] = "Usage: pdr-labels lock | unlock\n"
                        "\n"
                        "lock: users may only read the machine's label list; Manage Labels, the\n"
                        "Label page's \"Save settings to label\" and pdr-labels say that it is\n"
                        "managed by the administrator.  unlock: every user may change it again.\n"
                        "Administrators and the system always may.  Only an administrator may\n"
                        "lock or unlock; 'pdr-labels list' says which holds.  Windows only.\n"
                        "\n"
                        "Exit status: 0 done; 2 wrong command line; 3 the folder's list could not\n"
                        "be set; 4 not an administrator.\n";

const char ListHelp[] = "Usage: pdr-labels list [--json] [--file PATH]\n"
                        "\n"
                        "Lists the labels as the driver reads them, repairs made: id, name,\n"
                        "width, length, units and offsets, and the print settings of labels that\n"
                        "have any.  With --json, prints them as the catalogue file holds them,\n"
                        "ready for 'import'.\n";

const char CheckHelp[] = "Usage: pdr-labels check [FILE]\n"
                         "\n"
                         "Reads FILE (or the --file catalogue, or the machine's) as the driver\n"
                         "does and prints every repair the driver makes, one line each with the\n"
                         "label's position: a missing member, a name or number too long for its\n"
                         "field, an out-of-range size, offset, units or id, a print setting of the\n"
                         "wrong type or out of range (left out), text after the label\n"
                         "array, more than 128 labels, a file too large.  Exits with 0 only when\n"
                         "nothing needs repair, 1 when something does, 3 when FILE cannot be read.\n";

const char AddHelp[] = "Usage: pdr-labels add NAME WIDTH LENGTH [--units mm|in|0.1mm] [--offsets H V]\n"
                       "                      [SETTINGS] [--file PATH]\n"
                       "\n"
                       "Appends a label, with the checks of the Manage Labels dialog.  WIDTH and\n"
                       "LENGTH are in the given units (default in) and must lie in the driver's\n"
                       "ranges: mm 10.00 - 128.70 wide, 10.00 - 3048.00 long; in the same sizes\n"
                       "divided by 25.4 (so 0.40 - 5.06 wide in two decimals, up to 120.00 long);\n"
                       "0.1mm ten times the mm ranges.  H and V are whole numbers from -1200 to\n"
                       "1200 (default 0).  NAME (at most 63 bytes) must differ from every other\n"
                       "label's name, letter case aside.  The label gets the id after the last\n"
                       "label's, or the first free one.  Put '--' before a NAME beginning with '-'.\n"
                       "\n"
                       "SETTINGS, the print settings the stock carries into a document when a\n"
                       "user picks it, each optional:\n"
                       "  --speed N                 print speed, 2 - 7 in/s\n"
                       "  --intensity N | N,N,N,N   head intensity, 1 - 32, all heads or each\n"
                       "  --tapethrift on|off       ribbon saving\n"
                       "  --cutter off | every:N    no cut, or a cut after every N labels (1 - 25000)\n"
                       "  --cut-offset N            -1200 - 1200\n"
                       "  --pullback on|off\n";

const char SetHelp[] = "Usage: pdr-labels set NAME [SETTINGS] [--clear-settings] [--file PATH]\n"
                       "       pdr-labels set --id N [SETTINGS] [--clear-settings] [--file PATH]\n"
                       "\n"
                       "Changes the print settings of the one label of that name (letter case\n"
                       "aside) or id: the SETTINGS given (see 'pdr-labels help add') replace the\n"
                       "label's own; the others stay.  --clear-settings drops every setting\n"
                       "first, so the label keeps only those given.  The label's other fields\n"
                       "and every other label stay as they are.\n";

const char RemoveHelp[] = "Usage: pdr-labels remove NAME [--file PATH]\n"
                          "       pdr-labels remove --id N [--file PATH]\n"
                          "\n"
                          "Removes the one label of that name (letter case aside) or id; refuses\n"
                          "when none or more than one matches.\n";

const char ImportHelp[] = "Usage: pdr-labels import FILE [--replace|--merge] [--file PATH]\n"
                          "\n"
                          "Takes the labels of FILE, repaired as the driver reads them.\n"
                          "--replace (the default, as the dialog's Import): they replace the whole\n"
                          "catalogue.  --merge: a label whose name the catalogue has replaces that\n"
                          "label and keeps its id and every print setting FILE does not give; the\n"
                          "others are appended, keeping their id when it is free.  A merge beyond 128 labels "
                          "is refused.  A FILE that is\n"
                          "missing, empty, not a label list, or read only in part is refused.\n";

const char UpdateHelp[] = "Usage: pdr-labels update-from FILE [--dry-run] [--file PATH]\n"
                          "\n"
                          "Brings the catalogue up to FILE, a driver package's stock file, as the\n"
                          "driver does when a package is installed: a stock the catalogue was never\n"
                          "given is added (after the labels there, with the next id); one given\n"
                          "earlier and unchanged since takes FILE's version, keeping its id; one\n"
                          "changed or deleted here stays as it is; one FILE no longer has is removed\n"
                          "when unchanged, kept when changed.  Labels added here are never touched.\n"
                          "What was given is remembered beside the catalogue, in a file of its name\n"
                          "with \".given\" appended.  Stocks beyond 128 labels are left out.  FILE must be "
                          "read whole by the driver.\n"
                          "With --dry-run, prints what would change and changes nothing.\n";

const char ExportHelp[] = "Usage: pdr-labels export FILE [--file PATH]\n"
                          "\n"
                          "Writes the catalogue, as the driver reads it, to FILE (replacing it).\n";

}  // namespace

void PrintCommandHelp(ToolCommand command, FILE* out)
{
    const char* text = ProgramHelp;
    switch (command) {
    case ToolCommand::List:
        text = ListHelp;
        break;
    case ToolCommand::Check:
        text = CheckHelp;
        break;
    case ToolCommand::Add:
        text = AddHelp;
        break;
    case ToolCommand::Set:
        text = SetHelp;
        break;
    case ToolCommand::Remove:
        text = RemoveHelp;
        break;
    case ToolCommand::Import:
        text = ImportHelp;
        break;
    case ToolCommand::Export:
        text = ExportHelp;
        break;
    case ToolCommand::UpdateFrom:
        text = UpdateHelp;
        break;
    case ToolCommand::Lock:
    case ToolCommand::Unlock:
        text = LockHelp;
        break;
    case ToolCommand::None:
    case ToolCommand::Help:
        break;
    }
    fputs(text, out);
}
