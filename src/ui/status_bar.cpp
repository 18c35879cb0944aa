#include "ui/status_bar.h"

namespace ui {

void StatusBar::AddPanel(std::string text, int width, bool ownerDraw) {
  panels_.push_back({std::move(text), width, ownerDraw});
  Changed(Change::kItems);
}

void StatusBar::SetPanelText(int index, std::string text) {
  if (index < 0 || index >= PanelCount()) return;
  auto& panel = panels_[static_cast<size_t>(index)];
  if (panel.text == text) return;
  panel.text = std::move(text);
  if (GetPeer()) GetPeer()->ItemChanged(index);
}

void StatusBar::SetPanelWidth(int index, int width) {
  if (index < 0 || index >= PanelCount()) return;
  auto& panel = panels_[static_cast<size_t>(index)];
  if (panel.width == width) return;
  panel.width = width;
  Changed(Change::kItems);
}

void StatusBar::DrawPanel(int index, const Rect& rect, Canvas& canvas) {
  Fire(OnDrawPanel, *this, index, rect, canvas);
}

}  // namespace ui
