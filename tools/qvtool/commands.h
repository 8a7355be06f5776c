// The qvtool commands; each takes its own name as argv[0] and returns the
// process exit status.
#pragma once

int RunArchive(int argc, char** argv);   // archive_command.cpp
int RunSettings(int argc, char** argv);  // settings_command.cpp
int RunDefaults(int argc, char** argv);  // defaults_command.cpp
int RunText(int argc, char** argv);      // text_command.cpp
int RunImage(int argc, char** argv);     // image_command.cpp
int RunMesh(int argc, char** argv);      // mesh_command.cpp
int RunMeshView(int argc, char** argv);  // meshview_command.cpp
int RunSimulate(int argc, char** argv);  // flight_command.cpp
int RunRender(int argc, char** argv);    // flight_command.cpp
int RunSheet(int argc, char** argv);     // sheet_command.cpp
