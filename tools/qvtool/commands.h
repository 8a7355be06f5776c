// The qvtool commands; each takes its own name as argv[0] and returns the
// process exit status.
#pragma once

int RunImageCommand(int argc, char** argv);
int RunMeshCommand(int argc, char** argv);
