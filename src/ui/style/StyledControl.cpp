#include "ui/style/StyledControl.h"

#include <algorithm>

#include "ui/style/StyleLookup.h"

namespace ui {

namespace {
unsigned GlobalStyleSerial = 1;
}  // namespace

void NotifyStyleChanged() {
  ++GlobalStyleSerial;
}

unsigned StyleSerial() {
  return GlobalStyleSerial;
}

TStyledControl::~TStyledControl() {
  // The copy goes with the other children; forget it first so ChildRemoved finds nothing.
  FResource = nullptr;
}

void TStyledControl::SetStyleLookup(std::string name) {
  if (name == FStyleLookup) return;
  FStyleLookup = std::move(name);
  NeedStyleLookup();
}

void TStyledControl::NeedStyleLookup() {
  FNeedStyle = true;
  Repaint();
}

void TStyledControl::PrepareToPaint() {
  if (FNeedStyle || FStyleSerial != StyleSerial()) ApplyStyleLookup();
}

void TStyledControl::FreeResource() {
  if (!FResource) return;
  TControl* old = FResource;
  FResource = nullptr;
  delete old;
}

void TStyledControl::ApplyStyleLookup() {
  FNeedStyle = false;
  FStyleSerial = StyleSerial();
  FreeResource();
  TControl* copy = MakeStyleCopy(*this);
  if (copy) {
    copy->SetVisible(true);
    const TMargins& m = copy->Margins();
    copy->SetBounds(m.Left, m.Top, std::max(0.0f, Width() - m.Left - m.Right),
                    std::max(0.0f, Height() - m.Top - m.Bottom));
    copy->SetLocked(true);
    FResource = copy;
    InsertChild(0, copy);
    copy->SetAlign(TControlAlign::Contents);
  }
  StyleApplied();
  Repaint();
}

void TStyledControl::ChildRemoved(scene::TSceneNode* child) {
  TControl::ChildRemoved(child);
  if (child == FResource) {
    FResource = nullptr;
    StyleApplied();
  }
}

}  // namespace ui
