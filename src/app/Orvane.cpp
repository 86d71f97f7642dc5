// Moons of Orvane: the entry point. Registers the main window, then the About window, and
// runs the application until "Exit" or the main window is closed.
#include "app/Program.h"

int main(int argc, char** argv) {
  return app::RunOrvane(argc, argv);
}
