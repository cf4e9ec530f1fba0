// The process's console: standard output takes bytes unchanged; errors and
// message boxes (there is no desktop here) go to standard error in UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

void WriteStdout(std::string_view bytes);
// Writes Windows-1252 text to standard error, converted for the terminal.
void WriteStderr(std::string_view text);
// A message box has nobody to show it to: its text and a line end go to standard error.
void ShowMessageBox(std::string_view text);
// The same with a caption, written first: "Caption: text".
void ShowMessageBox(std::string_view caption, std::string_view text);

// The command-line arguments after the program name; an empty argument does
// not count, the next one takes its place.
std::vector<std::string> CommandLineArguments(int argc, const char* const* argv);

} // namespace orv
