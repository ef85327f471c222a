#!/bin/sh
# The strip that CPack runs on the programs, as Debian's dh_strip does it: without the
# compiler's .comment and the .note sections, which a packaged binary does not need.
exec strip --remove-section=.comment --remove-section=.note "$@"
