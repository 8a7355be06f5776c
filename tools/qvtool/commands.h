// The qvtool commands; each takes its own name as argv[0] and returns the
// process exit status.
#pragma once

int RunSettings(int argc, char** argv);  // settings_command.cpp
int RunDefaults(int argc, char** argv);  // defaults_command.cpp
int RunText(int argc, char** argv);      // text_command.cpp
int RunImage(int argc, char** argv);     // image_command.cpp
int RunMesh(int argc, char** argv);      // mesh_command.cpp
// archive list|extract|pack: RAR 2.x archives through the screensaver's reader.
int ArchiveCommand(int argc, char** argv);
