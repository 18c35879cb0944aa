// The simple control kinds: labels, buttons, check boxes, radio buttons, edits, memos, rich
// edits, combo boxes, group boxes, panels, pictures, sliders, spin edits, gauges, animations,
// the performance graph, splitters and timers.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // An auto-sized label takes the size of its caption, whatever width it was given.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);
  void SetBounds(const Rect& bounds) override;

 protected:
  void OnRealized() override { FitToCaption(); }
  void FontChanged() override { FitToCaption(); }

 private:
  void FitToCaption();
  std::string caption_;
  bool autoSize_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  TextAlign alignment_ = TextAlign::Left;
};

// A push button; with a glyph it is the picture button of the pages ("BitBtn").
class Button : public Control {
 public:
  Button() : Control(ControlKind::Button) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const Picture& Glyph() const { return glyph_; }
  void SetGlyph(Picture glyph);
  // Pressing the button sets this result on its form, which ends a modal form.
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }
  void UserClick() override;

 private:
  std::string caption_;
  Picture glyph_;
  int modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

class CheckBox : public Control {
 public:
  CheckBox() : Control(ControlKind::CheckBox) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Checked() const { return checked_; }
  // Every change of the check mark, by code or by the user, runs OnClick.
  void SetChecked(bool checked);
  void UserClick() override { SetChecked(!checked_); }

 private:
  std::string caption_;
  bool checked_ = false;
};

class RadioButton : public Control {
 public:
  RadioButton() : Control(ControlKind::RadioButton) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Checked() const { return checked_; }
  // Checking a radio button unchecks the others on the same parent and runs OnClick.
  void SetChecked(bool checked);
  void UserClick() override { SetChecked(true); }

 private:
  std::string caption_;
  bool checked_ = false;
};

class Edit : public Control {
 public:
  Edit() : Control(ControlKind::Edit) { SetColor(clWindow); }
  const std::string& Text() const { return text_; }
  // Every change of the text, by code or by typing, runs OnChange.
  void SetText(std::string text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char passwordChar);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border);
  void UserType(std::string text) { SetText(std::move(text)); }
  Handler OnChange;

 private:
  std::string text_;
  bool readOnly_ = false;
  char passwordChar_ = 0;
  BorderStyle border_ = BorderStyle::Single;
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

// Multi-line text. Lines are kept without their line ends; Text joins them with CR LF.
class Memo : public Control {
 public:
  Memo() : Memo(ControlKind::Memo) {}
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  void AddLine(std::string line);
  void Clear() { SetLines({}); }
  std::string Text() const;
  // Splits at CR LF, LF or CR.
  void SetText(std::string_view text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  ScrollBars GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(ScrollBars scrollBars);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border);
  void UserType(std::string_view text) { SetText(text); }
  Handler OnChange;

 protected:
  explicit Memo(ControlKind kind) : Control(kind) { SetColor(clWindow); }

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = false;
  bool wordWrap_ = true;
  ScrollBars scrollBars_ = ScrollBars::None;
  BorderStyle border_ = BorderStyle::Single;
};

// Rich text shown as plain text with the control's font.
class RichEdit : public Memo {
 public:
  RichEdit() : Memo(ControlKind::RichEdit) {}
};

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public Control {
 public:
  ComboBox() : Control(ControlKind::ComboBox) { SetColor(clWindow); }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(std::string item);
  void ClearItems() { SetItems({}); }
  int ItemIndex() const { return itemIndex_; }
  // Set by code: no event runs.
  void SetItemIndex(int index);
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  // The user picks an item: OnClick, then OnChange.
  void UserSelect(int index);
  void UserType(std::string text);
  Handler OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::string text_;
  ComboStyle style_ = ComboStyle::DropDown;
};

class GroupBox : public Container {
 public:
  GroupBox() : Container(ControlKind::GroupBox) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 private:
  std::string caption_;
};

class Panel : public Container {
 public:
  Panel() : Container(ControlKind::Panel) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  BevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(BevelCut bevel);
  BevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(BevelCut bevel);
  int BevelWidth() const { return bevelWidth_; }
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border);
  // The client area lies inside the bevels and the border.
  Rect ClientRect() const override;

 private:
  std::string caption_;
  BevelCut bevelOuter_ = BevelCut::Raised;
  BevelCut bevelInner_ = BevelCut::None;
  int bevelWidth_ = 1;
  BorderStyle border_ = BorderStyle::None;
};

class Image : public Control {
 public:
  Image() : Control(ControlKind::Image) {}
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool Center() const { return center_; }
  void SetCenter(bool center);

 private:
  Picture picture_;
  bool stretch_ = false;
  bool transparent_ = false;
  bool center_ = false;
};

enum class Orientation { Horizontal, Vertical };

// A range control whose value changes run OnChange, by code or by the user.
class RangeControl : public Control {
 public:
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  void SetMin(int min) { SetRange(min, max_ < min ? min : max_); }
  void SetMax(int max) { SetRange(min_ > max ? max : min_, max); }
  int Value() const { return value_; }
  // Kept inside the range.
  void SetValue(int value);
  void UserSetValue(int value) { SetValue(value); }
  Handler OnChange;

 protected:
  RangeControl(ControlKind kind, int min, int max, int value)
      : Control(kind), min_(min), max_(max), value_(value) {}

 private:
  int min_;
  int max_;
  int value_;
};

// The slider of the pages (a track bar).
class Slider : public RangeControl {
 public:
  Slider() : RangeControl(ControlKind::Slider, 0, 100, 0) {}
  Orientation GetOrientation() const { return orientation_; }
  void SetOrientation(Orientation orientation);
  bool ShowBevel() const { return bevel_; }
  void SetShowBevel(bool bevel);

 private:
  Orientation orientation_ = Orientation::Horizontal;
  bool bevel_ = true;
};

class SpinEdit : public RangeControl {
 public:
  SpinEdit() : RangeControl(ControlKind::SpinEdit, 0, 100, 0) { SetColor(clWindow); }
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }
  void UserStep(int steps) { SetValue(Value() + steps * increment_); }

 private:
  int increment_ = 1;
};

// A progress gauge; its value is the progress.
class Gauge : public RangeControl {
 public:
  Gauge() : RangeControl(ControlKind::Gauge, 0, 100, 0) {}
  int Progress() const { return Value(); }
  void SetProgress(int progress) { SetValue(progress); }
  void AddProgress(int step) { SetValue(Value() + step); }
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  bool ShowText() const { return showText_; }
  void SetShowText(bool showText);

 private:
  Color foreColor_ = clNavy;
  bool showText_ = true;
};

// The standard shell animations.
enum class CommonAvi {
  None,
  FindFolder,
  FindFile,
  FindComputer,
  CopyFiles,
  CopyFile,
  RecycleFile,
  EmptyRecycle,
  DeleteFile
};

class Animation : public Control {
 public:
  Animation() : Control(ControlKind::Animation) {}
  CommonAvi GetCommonAvi() const { return commonAvi_; }
  void SetCommonAvi(CommonAvi avi);
  bool Active() const { return active_; }
  void SetActive(bool active);

 private:
  CommonAvi commonAvi_ = CommonAvi::None;
  bool active_ = false;
};

// A scrolling line graph of values 0..100 (the processor load).
class PerformanceGraph : public Control {
 public:
  PerformanceGraph() : Control(ControlKind::PerformanceGraph) { SetColor(clBlack); }
  struct Point {
    Color color;
    int value;
  };
  // Adds a value; the graph scrolls by one step.
  void DataPoint(Color color, int value);
  const std::vector<Point>& Points() const { return points_; }
  int GridSize() const { return gridSize_; }
  void SetGridSize(int size) { gridSize_ = size; }
  int StepSize() const { return stepSize_; }
  void SetStepSize(int size) { stepSize_ = size; }

 private:
  std::vector<Point> points_;
  int gridSize_ = 16;
  int stepSize_ = 3;
};

// Drags the border between an aligned control and the one before it.
class Splitter : public Control {
 public:
  Splitter() : Control(ControlKind::Splitter) { SetCursor(Cursor::SizeWE); }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool beveled);
  int MinSize() const { return minSize_; }
  void SetMinSize(int minSize) { minSize_ = minSize; }
  // The control the splitter resizes: the visible sibling aligned to the same side that ends
  // where the splitter begins.
  Control* Neighbour() const;
  // The user drags the splitter by dx pixels.
  void UserDrag(int dx);
  Handler OnMoved;

 private:
  bool beveled_ = false;
  int minSize_ = 30;
};

class Timer : public Control {
 public:
  Timer() : Control(ControlKind::Timer) { SetVisible(false); }
  ~Timer() override;
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Active() const { return active_; }
  void SetActive(bool active);
  // The time has come: runs OnTimer (backends call this).
  void Tick() { Fire(OnTimer, *this); }
  Handler OnTimer;

 protected:
  void OnRealized() override;
  void OnDisposing() override;

 private:
  int interval_ = 1000;
  bool active_ = true;
};

}  // namespace ui
