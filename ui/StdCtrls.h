// Standard controls: push button, check box, radio group, list box, edit,
// scroll bar and label.
#pragma once
#include <string>
#include <vector>

#include "ui/Controls.h"

class TButton : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TNotifyEvent OnClick;
  void Click() { OnClick(this); }
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  TCreateParams CreateParams() override { return {"BUTTON", BS_PUSHBUTTON, 0}; }
};

class TCheckBox : public TWinControl {
 public:
  using TWinControl::TWinControl;
  bool Checked() const { return FChecked; }
  // Fires OnClick when the mark changes.
  void SetChecked(bool on);
  TNotifyEvent OnClick;
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  TCreateParams CreateParams() override { return {"BUTTON", BS_CHECKBOX, 0}; }
  void HandleCreated() override;

 private:
  bool FChecked = false;
};

class TRadioGroup;

class TRadioButton : public TWinControl {
 public:
  TRadioButton(TComponent* owner, TRadioGroup* group, int index);
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH CtlColor(HDC dc) override;

 protected:
  TCreateParams CreateParams() override { return {"BUTTON", BS_RADIOBUTTON, 0}; }
  void HandleCreated() override;

 private:
  TRadioGroup* FGroup;
  int FIndex;
};

// A captioned group frame holding one radio button per item.
class TRadioGroup : public TCustomContainer {
 public:
  using TCustomContainer::TCustomContainer;
  void SetItems(const std::vector<std::string>& items);
  int ItemCount() const { return int(FButtons.size()); }
  int ItemIndex() const { return FItemIndex; }
  // Fires OnClick when the selected item changes; -1 selects none.
  void SetItemIndex(int index);
  void SetEnabled(bool on) override;
  TRadioButton* Button(int i) const { return FButtons[size_t(i)]; }
  TNotifyEvent OnClick;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void FontChanged() override;

 private:
  void ArrangeButtons();
  void UpdateChecks();
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
};

// Shows lines that its owner keeps: it takes lines and a selection, and
// tells of the user's selections, but gives no text back.
class TListBox : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int Count() const;
  // Raises "行を挿入できません" when the list box cannot take the line.
  void Add(const std::string& text);
  void Delete(int index);
  void Clear();
  int ItemIndex() const;
  // Selects from code: fires nothing.
  void SetItemIndex(int index);
  int ItemHeight = 15;
  // Runs when the user changes the selection.
  TNotifyEvent OnClick;
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH CtlColor(HDC dc) override;

 protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
};

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  std::string Text() const;
  // Writes the text only when it differs; the change fires OnChange.
  void SetText(const std::string& text);
  bool BorderNone = false;  // no border at all
  bool Flat = false;        // a single-line border instead of the sunken edge
  TNotifyEvent OnChange;
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH CtlColor(HDC dc) override;

 protected:
  TCreateParams CreateParams() override;
};

class TScrollBar : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void SetParams(int position, int min, int max);
  int Position() const { return FPosition; }
  // Writes the position only when it differs, then fires OnChange.
  void SetPosition(int position);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int SmallChange = 1;
  int LargeChange = 1;
  TNotifyEvent OnChange;
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  TCreateParams CreateParams() override { return {"SCROLLBAR", SBS_HORZ, 0}; }
  void HandleCreated() override;

 private:
  int FPosition = 0, FMin = 0, FMax = 100;
};

enum class TAlignment { Left, Center };

class TLabel : public TControl {
 public:
  using TControl::TControl;
  bool AutoSize = false;
  TAlignment Alignment = TAlignment::Left;
  void SetCaption(const std::string& text) override;
  // Sizes the label to its text when AutoSize is on.
  void AdjustSize();
  void BeforePaint() override;
  void Paint(HDC dc) override;

 private:
  bool FSizePending = false;
};
