// Must not compile: the analysis cannot see the message catalogue.
#include "core/messages/messages.h"
