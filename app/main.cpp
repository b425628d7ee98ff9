// Process entry: the resources are made known to the window system, then the class library runs the
// application object.
#include "app/CMainApp.h"
#include "res/ProgramResources.h"

int main(int argc, char** argv) {
  RegisterProgramResources();
  // Naming the application object keeps it in the link: the framework finds it through its
  // constructor, not through a call.
  (void)&theApp;
  return AfxWinMain(argc, argv);
}
