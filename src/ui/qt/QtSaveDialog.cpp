#include "ui/qt/QtSaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QWindow>

#include "ui/window/Form.h"

namespace ui::qt {

namespace {

QString NameFilter(const TFileType& type) {
  return QString::fromStdString(type.Description) + " (" + QString::fromStdString(type.Pattern) +
         ")";
}

}  // namespace

void PrepareSaveDialog(QFileDialog& dialog, const TSaveDialogRequest& request) {
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!request.Title.empty()) dialog.setWindowTitle(QString::fromStdString(request.Title));
  dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExt));
  QStringList filters;
  for (const TFileType& type : request.FileTypes)
    filters << NameFilter(type);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = request.FilterIndex >= 1 && request.FilterIndex <= filters.size()
                          ? request.FilterIndex - 1
                          : 0;
    dialog.selectNameFilter(filters[index]);
  }
  // A folder that does not exist leaves the dialog in its own starting folder.
  if (!request.InitialDir.empty() && QFileInfo(QString::fromStdString(request.InitialDir)).isDir())
    dialog.setDirectory(QString::fromStdString(request.InitialDir));
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
}

std::optional<TSaveDialogAnswer> TQtSaveDialogPresenter::Run(const TSaveDialogRequest& request) {
  QFileDialog dialog;
  PrepareSaveDialog(dialog, request);
  dialog.setWindowModality(Qt::ApplicationModal);
  // Transient for its owner: the window manager keeps it above the owner and centred on it.
  dialog.winId();
  if (request.Owner && request.Owner->PlatformWindow())
    if (auto* owner = dynamic_cast<QWindow*>(request.Owner->PlatformWindow()))
      dialog.windowHandle()->setTransientParent(owner);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  TSaveDialogAnswer answer;
  answer.FileName = dialog.selectedFiles().first().toStdString();
  const int chosen = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
  answer.FilterIndex = chosen >= 0 ? chosen + 1 : request.FilterIndex;
  return answer;
}

}  // namespace ui::qt
