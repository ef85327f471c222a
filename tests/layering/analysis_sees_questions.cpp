// Must not compile: the analysis cannot see the player's questions.
#include "core/questions/coverage.h"
