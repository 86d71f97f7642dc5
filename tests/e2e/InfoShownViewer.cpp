// The viewer with its information texts shown from the start, as "Show info" in the context
// menu shows them; otherwise the program itself.
#include "app/MainWindow.h"
#include "app/Program.h"

int main(int argc, char** argv) {
  return app::RunOrvane(argc, argv, [](ui::qt::TQtShell&) {
    app::Form2->Text1->SetVisible(true);
    app::Form2->Text2->SetVisible(true);
  });
}
