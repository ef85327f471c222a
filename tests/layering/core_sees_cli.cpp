// Must not compile: core/ cannot see the command line.
#include "cli/cli_options.h"
