// Must not compile: the small maths cannot see the text rules.
#include "core/text/conversions.h"
