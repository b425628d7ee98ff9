#include "ui/HomePageCommand.h"

std::string BuildBrowserCommand(const std::string& browserCommand, const std::string& address) {
  std::string command = browserCommand;
  size_t placeholder = command.find("\"%1\"");
  if (placeholder == std::string::npos) placeholder = command.find("%1");
  if (placeholder != std::string::npos) command.erase(placeholder);
  return command + " " + address;
}
