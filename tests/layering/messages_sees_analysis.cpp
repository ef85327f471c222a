// Must not compile: the message catalogue cannot see the analysis.
#include "core/analysis/hit_table.h"
