// Must not compile: the text rules cannot see the system.
#include "core/system/system_row.h"
