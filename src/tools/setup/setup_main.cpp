#include "setup_run.h"

int wmain(int argc, wchar_t** argv)
{
    return RunSetupProgram(argc, argv);
}
