// The desktop's default applications (XDG mimeapps.list) and their desktop entries.
#pragma once

#include <optional>
#include <string>

namespace shell {

// The desktop entry id of the default application for a MIME type, e.g. "firefox.desktop", looked up
// in the mimeapps.list files of XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME and XDG_DATA_DIRS.
std::optional<std::string> DefaultApplicationFor(const std::string& mimeType);

// The Exec line of a desktop entry found under the applications folders of the XDG data directories.
std::optional<std::string> DesktopEntryExec(const std::string& desktopId);

// An Exec line with its file and address field codes (%u %U %f %F) written as %1, the other field
// codes removed and "%%" as "%".
std::string ExecLineAsCommand(const std::string& exec);

// The user's documents folder (XDG_DOCUMENTS_DIR, else $HOME/Documents), ending in '/'.
std::string DocumentsDirectory();

}  // namespace shell
