// Must not compile: report/ cannot see the command line.
#include "cli/report_command.h"
