/*
 * pdr-setup: installs the driver from its package as a publisher's setup
 * program does, with the platform's setup functions, and adds a printer.
 *
 *   pdr-setup [--package FOLDER] [--printer NAME] [--port PORT]
 *   pdr-setup --remove [--printer NAME]
 *
 * The package is the folder holding pdr7300.inf, by default the program's
 * own.  Each failure is said on the error output with exit status 1, and
 * whatever the run had done by then is undone; 2 means a wrong command line.
 */
#ifndef PDR_TOOLS_SETUP_SETUP_RUN_H
#define PDR_TOOLS_SETUP_SETUP_RUN_H

/* The whole program on its command line; returns its exit status. */
int RunSetupProgram(int argc, wchar_t** argv);

#endif
