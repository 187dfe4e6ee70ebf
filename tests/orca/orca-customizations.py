# The debug log is written line by line, so that the test reads speech as
# Orca produces it.
import orca.debug as _debug

if _debug.debugFile:
    _debug.debugFile.reconfigure(line_buffering=True)
