#include "ui/controls.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

// --- Label ------------------------------------------------------------------------------------

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
  FitToCaption();
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitToCaption();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed(Change::kStyle);
}

void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  Changed(Change::kStyle);
  FitToCaption();
}

void Label::SetAlignment(TextAlign alignment) {
  alignment_ = alignment;
  Changed(Change::kStyle);
}

void Label::SetBounds(const Rect& bounds) {
  Control::SetBounds(bounds);
  FitToCaption();
}

void Label::FitToCaption() {
  if (!autoSize_ || wordWrap_ || !GetBackend()) return;
  // Multi-line captions: the widest line, one line height per line.
  Point size{0, 0};
  size_t start = 0;
  do {
    size_t end = caption_.find('\n', start);
    if (end == std::string::npos) end = caption_.size();
    const Point line = GetBackend()->TextExtent(GetFont(), caption_.substr(start, end - start));
    size.x = std::max(size.x, line.x);
    size.y += line.y;
    start = end + 1;
  } while (start <= caption_.size());
  Control::SetBounds({Left(), Top(), size.x, size.y});
}

// --- Button -----------------------------------------------------------------------------------

void Button::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void Button::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  Changed(Change::kPicture);
}

void Button::SetDefault(bool isDefault) {
  default_ = isDefault;
  Changed(Change::kStyle);
}

void Button::UserClick() {
  Form* form = ParentForm();
  const int result = modalResult_;
  Control::UserClick();
  // The click handler may have closed or freed the form; only a modal one is still waiting.
  if (result != mrNone && form && form->Modal()) form->SetModalResult(result);
}

// --- CheckBox and RadioButton -------------------------------------------------------------------

void CheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::kState);
  Fire(OnClick, *this);
}

void RadioButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::kState);
  if (!checked) return;
  if (Parent()) {
    for (const auto& sibling : Parent()->Children()) {
      if (sibling.get() == this || sibling->Kind() != ControlKind::RadioButton) continue;
      auto* radio = static_cast<RadioButton*>(sibling.get());
      if (radio->checked_) {
        radio->checked_ = false;
        radio->Changed(Change::kState);
      }
    }
  }
  Fire(OnClick, *this);
}

// --- Edit, Memo, ComboBox ---------------------------------------------------------------------

void Edit::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Changed(Change::kText);
  Fire(OnChange, *this);
}

void Edit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(Change::kStyle);
}

void Edit::SetPasswordChar(char passwordChar) {
  passwordChar_ = passwordChar;
  Changed(Change::kStyle);
}

void Edit::SetBorder(BorderStyle border) {
  border_ = border;
  Changed(Change::kStyle);
}

void Memo::SetLines(std::vector<std::string> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  Changed(Change::kText);
  Fire(OnChange, *this);
}

void Memo::AddLine(std::string line) {
  lines_.push_back(std::move(line));
  Changed(Change::kText);
  Fire(OnChange, *this);
}

std::string Memo::Text() const {
  std::string text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void Memo::SetText(std::string_view text) {
  // As a string list reads text: a final line end adds no empty line.
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
  SetLines(std::move(lines));
}

void Memo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(Change::kStyle);
}

void Memo::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  Changed(Change::kStyle);
}

void Memo::SetScrollBars(ScrollBars scrollBars) {
  scrollBars_ = scrollBars;
  Changed(Change::kStyle);
}

void Memo::SetBorder(BorderStyle border) {
  border_ = border;
  Changed(Change::kStyle);
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Changed(Change::kItems);
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  if (GetPeer()) GetPeer()->ItemAdded(static_cast<int>(items_.size()) - 1);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  if (index >= 0) text_ = items_[static_cast<size_t>(index)];
  Changed(Change::kState);
}

void ComboBox::SetText(std::string text) {
  text_ = std::move(text);
  const auto it = std::find(items_.begin(), items_.end(), text_);
  itemIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  Changed(Change::kState);
}

void ComboBox::SetStyle(ComboStyle style) {
  style_ = style;
  Changed(Change::kStyle);
}

void ComboBox::UserSelect(int index) {
  SetItemIndex(index);
  Fire(OnClick, *this);
  Fire(OnChange, *this);
}

void ComboBox::UserType(std::string text) {
  SetText(std::move(text));
  Fire(OnChange, *this);
}

// --- Containers --------------------------------------------------------------------------------

void GroupBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void Panel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void Panel::SetBevelOuter(BevelCut bevel) {
  bevelOuter_ = bevel;
  Changed(Change::kStyle);
  Realign();
}

void Panel::SetBevelInner(BevelCut bevel) {
  bevelInner_ = bevel;
  Changed(Change::kStyle);
  Realign();
}

void Panel::SetBorder(BorderStyle border) {
  border_ = border;
  Changed(Change::kStyle);
  Realign();
}

Rect Panel::ClientRect() const {
  int inset = 0;
  if (bevelOuter_ != BevelCut::None) inset += bevelWidth_;
  if (bevelInner_ != BevelCut::None) inset += bevelWidth_;
  if (border_ == BorderStyle::Single) inset += 1;
  return {inset, inset, std::max(0, Width() - 2 * inset), std::max(0, Height() - 2 * inset)};
}

// --- Pictures and ranges -------------------------------------------------------------------------

void Image::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Changed(Change::kPicture);
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Changed(Change::kStyle);
}

void Image::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed(Change::kStyle);
}

void Image::SetCenter(bool center) {
  center_ = center;
  Changed(Change::kStyle);
}

void RangeControl::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  Changed(Change::kRange);
  SetValue(value_);
}

void RangeControl::SetValue(int value) {
  value = std::clamp(value, min_, max_);
  if (value == value_) return;
  value_ = value;
  Changed(Change::kState);
  Fire(OnChange, *this);
}

void Slider::SetOrientation(Orientation orientation) {
  orientation_ = orientation;
  Changed(Change::kStyle);
}

void Slider::SetShowBevel(bool bevel) {
  bevel_ = bevel;
  Changed(Change::kStyle);
}

void Gauge::SetForeColor(Color color) {
  foreColor_ = color;
  Changed(Change::kColor);
}

void Gauge::SetShowText(bool showText) {
  showText_ = showText;
  Changed(Change::kStyle);
}

void Animation::SetCommonAvi(CommonAvi avi) {
  commonAvi_ = avi;
  Changed(Change::kPicture);
}

void Animation::SetActive(bool active) {
  active_ = active;
  Changed(Change::kState);
}

void PerformanceGraph::DataPoint(Color color, int value) {
  points_.push_back({color, std::clamp(value, 0, 100)});
  // Keep what fits on the widest screen.
  if (points_.size() > 2048) points_.erase(points_.begin(), points_.begin() + 1024);
  Invalidate();
}

// --- Splitter ----------------------------------------------------------------------------------

void Splitter::SetBeveled(bool beveled) {
  beveled_ = beveled;
  Changed(Change::kStyle);
}

Control* Splitter::Neighbour() const {
  if (!Parent()) return nullptr;
  for (const auto& sibling : Parent()->Children()) {
    if (sibling.get() == this || !sibling->Visible() || sibling->GetAlign() != GetAlign()) {
      continue;
    }
    if (GetAlign() == Align::Left && sibling->Bounds().Right() == Left()) return sibling.get();
    if (GetAlign() == Align::Top && sibling->Bounds().Bottom() == Top()) return sibling.get();
    if (GetAlign() == Align::Right && sibling->Left() == Bounds().Right()) return sibling.get();
    if (GetAlign() == Align::Bottom && sibling->Top() == Bounds().Bottom()) return sibling.get();
  }
  return nullptr;
}

void Splitter::UserDrag(int dx) {
  Control* neighbour = Neighbour();
  if (!neighbour) return;
  switch (GetAlign()) {
    case Align::Left:
      neighbour->SetWidth(std::max(minSize_, neighbour->Width() + dx));
      break;
    case Align::Right:
      neighbour->SetWidth(std::max(minSize_, neighbour->Width() - dx));
      break;
    case Align::Top:
      neighbour->SetHeight(std::max(minSize_, neighbour->Height() + dx));
      break;
    case Align::Bottom:
      neighbour->SetHeight(std::max(minSize_, neighbour->Height() - dx));
      break;
    default:
      return;
  }
  Fire(OnMoved, *this);
}

// --- Timer --------------------------------------------------------------------------------------

Timer::~Timer() {
  if (GetBackend()) GetBackend()->TimerDestroyed(*this);
}

void Timer::OnRealized() {
  GetBackend()->TimerChanged(*this);
}

void Timer::OnDisposing() {
  active_ = false;
  GetBackend()->TimerChanged(*this);
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  if (GetBackend()) GetBackend()->TimerChanged(*this);
}

void Timer::SetActive(bool active) {
  active_ = active;
  if (GetBackend()) GetBackend()->TimerChanged(*this);
}

}  // namespace ui
