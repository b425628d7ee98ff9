#include "ui/HelpDocument.h"

std::string HelpDocumentPath(const std::string& executablePath) {
  size_t nSlash = executablePath.rfind('/');
  std::string strDirectory = nSlash == std::string::npos ? std::string(".") : executablePath.substr(0, nSlash);
  return strDirectory + "/help.html";
}
