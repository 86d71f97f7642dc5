// The whole program as the entry point runs it; measuring programs run it the same way and
// look at it through `onLoopStarted`, which runs once the event loop has started, and may
// change the program's set-up through `configure`, which runs once the platform services are
// installed and before the windows are created.
#pragma once

#include <functional>
#include <string>

namespace ui::qt {
class TQtShell;
}

namespace app {

// The desktop entry the program is installed with (org.example.orvane.desktop, without its
// extension).
inline constexpr const char* DesktopEntryId = "org.example.orvane";

// The monitor the windows open on (TCommandLine::Screen); empty for the primary one. An unknown
// one ends RunOrvane with status 2 and the monitors there are on the standard error.
extern std::string StartScreen;

int RunOrvane(int argc, char** argv,
              const std::function<void(ui::qt::TQtShell&)>& onLoopStarted = {},
              const std::function<void()>& configure = {});

}  // namespace app
