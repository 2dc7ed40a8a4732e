#!/bin/bash
# The saves' long run by hand under its earlier name: see long-run.sh.
#
#   saves-long-run.sh [saves (10000)] [store|tool (store)]
exec bash "$(dirname "$0")/long-run.sh" saves "$@"
