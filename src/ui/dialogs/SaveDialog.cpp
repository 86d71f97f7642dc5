#include "ui/dialogs/SaveDialog.h"

#include "ui/window/Form.h"

namespace ui {

std::vector<TFileType> ParseFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size() && !filter.empty()) {
    const size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::vector<TFileType> types;
  for (size_t i = 0; i + 1 < parts.size(); i += 2)
    types.push_back({parts[i], parts[i + 1]});
  return types;
}

void TSaveDialog::SetInitialDir(std::string folder) {
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  FInitialDir = std::move(folder);
}

bool TSaveDialog::Execute() {
  if (OnShow) OnShow(*this);
  std::optional<TSaveDialogAnswer> answer;
  if (ISaveDialogPresenter* presenter = scene::TService<ISaveDialogPresenter>::Get()) {
    TSaveDialogRequest request;
    request.Title = FTitle;
    request.DefaultExt = FDefaultExt;
    request.FileName = FFileName;
    request.InitialDir = FInitialDir;
    request.FileTypes = ParseFilter(FFilter);
    request.FilterIndex = FFilterIndex;
    request.Owner = dynamic_cast<TFormBase*>(Root());
    answer = presenter->Run(request);
  }
  if (OnClose) OnClose(*this);
  if (!answer) return false;
  FFileName = answer->FileName;
  FFilterIndex = answer->FilterIndex;
  return true;
}

}  // namespace ui
