#include "ui/StdCtrls.h"

#include "base/Error.h"
#include "ui/Host.h"

// ------------------------------------------------------------------ TButton

bool TButton::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  Click();
  result = 0;
  return true;
}

// ---------------------------------------------------------------- TCheckBox

void TCheckBox::SetChecked(bool on) {
  if (FChecked == on) return;
  FChecked = on;
  if (FHandle) SendMessageA(FHandle, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Loading()) OnClick(this);
}

void TCheckBox::HandleCreated() { SendMessageA(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0); }

bool TCheckBox::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  SetChecked(!FChecked);
  result = 0;
  return true;
}

// ------------------------------------------------------------- TRadioGroup

TRadioButton::TRadioButton(TComponent* owner, TRadioGroup* group, int index)
    : TWinControl(owner), FGroup(group), FIndex(index) {}

bool TRadioButton::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  FGroup->SetItemIndex(FIndex);
  result = 0;
  return true;
}

void TRadioButton::HandleCreated() {
  if (FGroup->ItemIndex() == FIndex) SendMessageA(FHandle, BM_SETCHECK, BST_CHECKED, 0);
}

HBRUSH TRadioButton::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(FGroup->Font().Color));
  SetBkColor(dc, ColorToRGB(FGroup->BackColor()));
  return BackBrush();
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  for (TRadioButton* b : FButtons) Free(b);
  FButtons.clear();
  int i = 0;
  for (const std::string& text : items) {
    TRadioButton* b = Make<TRadioButton>(this, i++);
    b->SetCaption(text);
    b->SetFont(FFont);
    FButtons.push_back(b);
  }
  // Placed, with their tab stops and check marks, before their windows are
  // made: each window comes out as it is to stay.
  ArrangeButtons();
  UpdateChecks();
  for (TRadioButton* b : FButtons) b->SetParent(this);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount()) index = -1;
  if (index == FItemIndex) return;
  FItemIndex = index;
  UpdateChecks();
  if (!Loading()) OnClick(this);
}

void TRadioGroup::SetEnabled(bool on) {
  TCustomContainer::SetEnabled(on);
  for (TRadioButton* b : FButtons) b->SetEnabled(on);
}

void TRadioGroup::UpdateChecks() {
  for (int i = 0; i < ItemCount(); ++i) {
    TRadioButton* b = FButtons[size_t(i)];
    if (b->Handle()) SendMessageA(b->Handle(), BM_SETCHECK, i == FItemIndex ? BST_CHECKED : BST_UNCHECKED, 0);
    // Only the chosen button (or the first, when none is) is reached by Tab.
    b->SetTabStop(i == FItemIndex || (FItemIndex < 0 && i == 0));
  }
}

void TRadioGroup::FontChanged() {
  TCustomContainer::FontChanged();
  for (TRadioButton* b : FButtons) b->SetFont(FFont);
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  const TScreenDC dc(GetDC(nullptr));
  const TSelectObject font(dc, FontHandle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const int n = ItemCount();
  const int room = FHeight - tm.tmHeight - 5;
  const int buttonHeight = room / n;
  const int topMargin = tm.tmHeight + 1 + (room % n) / 2;
  for (int i = 0; i < n; ++i)
    FButtons[size_t(i)]->SetBounds(8, i * buttonHeight + topMargin, FWidth - 10, buttonHeight);
}

LRESULT TRadioGroup::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    const TPaintDC dc(FHandle);
    PaintSurface(dc, dc.Rect());
    const TSelectObject font(dc, FontHandle());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT frame{0, tm.tmHeight / 2 - 1, FWidth, FHeight};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!FCaption.empty()) {
      SIZE sz{};
      GetTextExtentPoint32A(dc, FCaption.c_str(), int(FCaption.size()), &sz);
      RECT text{8, 0, 8 + sz.cx, tm.tmHeight};
      SetBkColor(dc, ColorToRGB(BackColor()));
      SetBkMode(dc, OPAQUE);
      SetTextColor(dc, FEnabled ? ColorToRGB(FFont.Color) : GetSysColor(COLOR_GRAYTEXT));
      DrawTextA(dc, FCaption.c_str(), int(FCaption.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
    }
    return 0;
  }
  return TCustomContainer::WndProc(msg, wParam, lParam);
}

// ---------------------------------------------------------------- TListBox

TWinControl::TCreateParams TListBox::CreateParams() {
  return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
          WS_EX_CLIENTEDGE};
}

void TListBox::HandleCreated() { SendMessageA(FHandle, LB_SETITEMHEIGHT, 0, ItemHeight); }

int TListBox::Count() const { return FHandle ? int(SendMessageA(FHandle, LB_GETCOUNT, 0, 0)) : 0; }

void TListBox::Add(const std::string& text) {
  const LRESULT at = SendMessageA(FHandle, LB_ADDSTRING, 0, LPARAM(text.c_str()));
  if (at == LB_ERR || at == LB_ERRSPACE) throw EError("行を挿入できません");
}

void TListBox::Delete(int index) { SendMessageA(FHandle, LB_DELETESTRING, WPARAM(index), 0); }

void TListBox::Clear() { SendMessageA(FHandle, LB_RESETCONTENT, 0, 0); }

int TListBox::ItemIndex() const { return FHandle ? int(SendMessageA(FHandle, LB_GETCURSEL, 0, 0)) : -1; }

void TListBox::SetItemIndex(int index) { SendMessageA(FHandle, LB_SETCURSEL, WPARAM(index), 0); }

bool TListBox::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
    OnClick(this);
    result = 0;
    return true;
  }
  return false;
}

HBRUSH TListBox::CtlColor(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

// ------------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* owner) : TWinControl(owner) { FTabStop = true; }

TWinControl::TCreateParams TEdit::CreateParams() {
  if (BorderNone) return {"EDIT", ES_AUTOHSCROLL, 0};
  if (Flat) return {"EDIT", ES_AUTOHSCROLL | WS_BORDER, 0};
  return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

std::string TEdit::Text() const {
  if (!FHandle) return FCaption;
  const int len = GetWindowTextLengthA(FHandle);
  std::string s(size_t(len) + 1, '\0');
  const int got = GetWindowTextA(FHandle, s.data(), len + 1);
  s.resize(size_t(got > 0 ? got : 0));
  return s;
}

void TEdit::SetText(const std::string& text) {
  if (Text() == text) return;
  FCaption = text;
  if (FHandle) SetWindowTextA(FHandle, text.c_str());  // EN_CHANGE fires OnChange
}

bool TEdit::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
  FCaption = Text();
  if (!Loading()) OnChange(this);
  result = 0;
  return true;
}

HBRUSH TEdit::CtlColor(HDC dc) {
  const COLORREF back = FColor != clDefault ? FColor : ColorSys(COLOR_WINDOW);
  SetTextColor(dc, ColorToRGB(FFont.Color));
  SetBkColor(dc, ColorToRGB(back));
  return Host->Brush(ColorToRGB(back));
}

// -------------------------------------------------------------- TScrollBar

void TScrollBar::HandleCreated() {
  SetScrollRange(FHandle, SB_CTL, FMin, FMax, FALSE);
  SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
}

void TScrollBar::SetParams(int position, int min, int max) {
  FMin = min;
  FMax = max;
  if (FHandle) SetScrollRange(FHandle, SB_CTL, FMin, FMax, FALSE);
  SetPosition(position);
  if (FHandle) SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
}

void TScrollBar::SetPosition(int position) {
  if (position < FMin) position = FMin;
  if (position > FMax) position = FMax;
  if (position == FPosition) return;
  FPosition = position;
  if (FHandle) SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
  if (!Loading()) OnChange(this);
}

bool TScrollBar::Notify(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_HSCROLL) return false;
  int pos = FPosition;
  switch (LOWORD(wParam)) {
    case SB_LINELEFT: pos -= SmallChange; break;
    case SB_LINERIGHT: pos += SmallChange; break;
    case SB_PAGELEFT: pos -= LargeChange; break;
    case SB_PAGERIGHT: pos += LargeChange; break;
    case SB_LEFT: pos = FMin; break;
    case SB_RIGHT: pos = FMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(FHandle, SB_CTL, &si);
      pos = si.nTrackPos;
      break;
    }
    default: return true;
  }
  SetPosition(pos);
  result = 0;
  return true;
}

// ------------------------------------------------------------------ TLabel

void TLabel::SetCaption(const std::string& text) {
  TControl::SetCaption(text);
  FSizePending = true;
}

void TLabel::BeforePaint() {
  if (FSizePending) AdjustSize();
}

void TLabel::AdjustSize() {
  // Measured when first painted, so that a window that stays hidden never
  // loads the label's font.
  FSizePending = false;
  if (!AutoSize) return;
  const TScreenDC dc(GetDC(nullptr));
  const TSelectObject font(dc, FontHandle());
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, FCaption.c_str(), int(FCaption.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SetBounds(FLeft, FTop, r.right, r.bottom);
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, FWidth, FHeight};
  FillRect(dc, &r, Host->Brush(ColorToRGB(BackColor())));
  const TSelectObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(FFont.Color));
  UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
  if (Alignment == TAlignment::Center) flags |= DT_CENTER;
  DrawTextA(dc, FCaption.c_str(), int(FCaption.size()), &r, flags);
}
