// Must not compile: the system cannot see the message catalogue.
#include "core/messages/messages.h"
