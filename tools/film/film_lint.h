// film lint: every shot of a folder flown and measured (see lint.h), printed
// shot by shot and second by second, with its faults.
#pragma once
#include <string>

// Prints the report to standard output; returns the number of faults, or -1
// (with the reasons on standard error) when the shots or the worlds cannot
// be read.
int LintFilm(const std::string& shotDir, const std::string& archiveFolder, const std::string& artFolder);
