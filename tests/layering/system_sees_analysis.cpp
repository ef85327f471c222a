// Must not compile: the system cannot see the analysis.
#include "core/analysis/hit_table.h"
