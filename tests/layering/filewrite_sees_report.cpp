// Must not compile: the file writer cannot see the reports.
#include "report/report_stream.h"
