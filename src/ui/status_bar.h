// The status bar: panels of text, the first of them drawn by the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class StatusBar : public Control {
 public:
  struct StatusPanel {
    std::string text;
    int width = 50;
    bool ownerDraw = false;
  };

  StatusBar() : Control(ControlKind::StatusBar) {}

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  void AddPanel(std::string text, int width, bool ownerDraw = false);
  const StatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
  void SetPanelText(int index, std::string text);
  void SetPanelWidth(int index, int width);

  // Draws an owner-drawn panel (backends call this when the panel needs painting).
  void DrawPanel(int index, const Rect& rect, Canvas& canvas);
  std::function<void(StatusBar& sender, int panel, const Rect& rect, Canvas& canvas)> OnDrawPanel;

 private:
  std::vector<StatusPanel> panels_;
};

}  // namespace ui
