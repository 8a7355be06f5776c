// The qvtool commands; each takes its own name as argv[0] and returns the
// process exit status.
#pragma once

// archive list|extract|pack: RAR 2.x archives through the screensaver's reader.
int ArchiveCommand(int argc, char** argv);
