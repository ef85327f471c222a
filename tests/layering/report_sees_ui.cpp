// Must not compile: report/ cannot see the commands and windows.
#include "ui/save_report.h"
