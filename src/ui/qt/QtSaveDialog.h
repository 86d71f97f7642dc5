// The save dialog on Qt: a QFileDialog in save mode, modal to the whole program (the other
// windows take no input while it is open; timers and animations go on in its event loop),
// transient for the dialog's owner window, with no question before replacing a file.
#pragma once

#include "ui/dialogs/SaveDialog.h"

class QFileDialog;

namespace ui::qt {

class TQtSaveDialogPresenter : public ISaveDialogPresenter {
 public:
  std::optional<TSaveDialogAnswer> Run(const TSaveDialogRequest& request) override;
};

// Sets up `dialog` from `request`: title, folder, proposed name, default extension, file
// types ("jpg (*.jpg)") with the chosen one selected, save mode without the overwrite question.
void PrepareSaveDialog(QFileDialog& dialog, const TSaveDialogRequest& request);

}  // namespace ui::qt
