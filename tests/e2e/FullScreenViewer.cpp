// The viewer with the F key toggling full screen, as a menu command would; otherwise the
// program itself. Each toggle prints "fullscreen=1" or "fullscreen=0" once it is done.
#include <cstdio>

#include "app/Program.h"
#include "app/Unit2.h"

int main(int argc, char** argv) {
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell&) {
    auto keys = app::Form2->OnKeyDown;
    app::Form2->OnKeyDown = [keys](scene::TSceneNode& sender, ui::TKeyCode& key, char32_t& keyChar,
                                   scene::TShiftState shift) {
      if (keyChar != U'f') {
        if (keys) keys(sender, key, keyChar, shift);
        return;
      }
      app::Form2->SetFullScreen(!app::Form2->FullScreen());
      std::printf("fullscreen=%d\n", app::Form2->FullScreen() ? 1 : 0);
      std::fflush(stdout);
    };
  });
}
