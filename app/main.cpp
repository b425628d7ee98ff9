// Process entry: the one application object, the resources made known to the window system, then
// the class library runs the application.
#include "app/CMainApp.h"
#include "res/ProgramResources.h"

// Defined beside main() so that linking the program always brings the application object along.
CMainApp theApp;

int main(int argc, char** argv) {
  RegisterProgramResources();
  return AfxWinMain(argc, argv);
}
