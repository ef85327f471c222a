// Must not compile: core/ cannot see the commands and windows.
#include "ui/user_interface.h"
