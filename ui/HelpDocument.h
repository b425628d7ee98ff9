// Where the help document lives: help.html in the executable's own directory.
#pragma once

#include <string>

// The path is built as text only; blanks and shell characters in it stay as they are, since the
// document is handed to the opener as one argument and never through a shell.
std::string HelpDocumentPath(const std::string& executablePath);
