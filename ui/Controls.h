// The control base: components that hold one window (or draw on their
// parent) and give it typed one-line operations. Notifications a parent
// receives for a child are reflected to the child object, which fires its
// events by the conventions below:
// - setting a check mark or a radio group's item from code fires OnClick,
//   only when the value changes;
// - a list box fires OnClick only for selections made by the user;
// - a text or a scroll position is written, and OnChange fired, only when
//   the new value differs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Handle.h"
#include "ui/Component.h"
#include "ui/Window.h"

class TWinControl;

enum TFontStyle : unsigned char { fsBold = 1, fsItalic = 2 };

// The face of the window font, the controls' first font and the boxes'.
inline constexpr char kGothic[] = "ＭＳ ゴシック";

// A font as the form description gives it: face, character height in pixels,
// style and text colour (a Windows RGB value or a system colour given by
// ColorSys).
struct TFontSpec {
  const char* Face;  // code page 932
  int Height;        // character height in pixels
  unsigned char Style;
  COLORREF Color;
};

// System colours are stored with the high byte set, as the VCL does.
constexpr COLORREF ColorSys(int index) { return 0x80000000u | COLORREF(index); }
COLORREF ColorToRGB(COLORREF c);
constexpr COLORREF clWindowText = ColorSys(COLOR_WINDOWTEXT);
constexpr COLORREF clBtnFace = ColorSys(COLOR_BTNFACE);
constexpr COLORREF clInactiveCaption = ColorSys(COLOR_INACTIVECAPTION);
constexpr COLORREF clDefault = 0x1FFFFFFFu;  // take the parent's colour

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool on);
  bool Visible() const { return FVisible; }

  const std::string& Caption() const { return FCaption; }
  virtual void SetCaption(const std::string& text);

  const TFontSpec& Font() const { return FFont; }
  void SetFont(const TFontSpec& font);
  void SetFontColor(COLORREF color);
  HFONT FontHandle();

  COLORREF Color() const { return FColor; }
  virtual void SetColor(COLORREF color);
  // The effective background colour (own, or the parent's).
  COLORREF BackColor() const;

  // Graphic controls draw themselves on their parent's surface.
  virtual bool IsGraphic() const { return true; }
  virtual void Paint(HDC) {}
  // Runs before the parent paints its graphic children (lazy layout).
  virtual void BeforePaint() {}
  virtual void Invalidate();
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

 protected:
  virtual void FontChanged() {}

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FEnabled = true;
  bool FVisible = true;
  std::string FCaption;
  TFontSpec FFont{kGothic, 15, 0, clWindowText};
  HFONT FFontHandle = nullptr;  // shared, owned by the application object
  COLORREF FColor = clDefault;
};

class TWinControl : public TControl, private TMessageSink {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle() const { return FHandle; }
  bool IsGraphic() const override { return false; }
  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetEnabled(bool on) override;
  void SetCaption(const std::string& text) override;
  void SetColor(COLORREF color) override;
  void Invalidate() override;

  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order) { FTabOrder = order; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool on);
  void SetFocus();

  const std::vector<TControl*>& Controls() const { return FControls; }
  // Puts the windowed children into tab order (their z-order).
  void ApplyTabOrder();

  // A notification the parent received for this control (WM_COMMAND,
  // WM_NOTIFY, WM_HSCROLL). Returns true when handled.
  virtual bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Ctrl+Tab reached the window: a control with pages turns to the next
  // (or previous) one and returns true.
  virtual bool TurnPage(bool /*forward*/) { return false; }
  // WM_CTLCOLOR* for this control: sets up dc and returns the brush.
  virtual HBRUSH CtlColor(HDC dc);

  // The control of a window the program made; null for any other window.
  static TWinControl* FromHandle(HWND wnd);

 protected:
  struct TCreateParams {
    const char* ClassName;
    DWORD Style;
    DWORD ExStyle;
  };
  virtual TCreateParams CreateParams() = 0;
  virtual void CreateHandle();
  virtual void HandleCreated() {}
  void FontChanged() override;
  // A brush of the background colour, from the host's cache.
  HBRUSH BackBrush() const;

  // For windows of the program's own class: the window procedure.
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  TWinControl* Control() override { return this; }
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Paints the background and the graphic children, in creation order.
  void PaintSurface(HDC dc, const RECT& clip);
  static const char* ContainerClass();  // registers it on first use
  friend class TControl;

  TWindowHandle FHandle{this};
  int FTabOrder = 0;
  bool FTabStop = false;
  std::vector<TControl*> FControls;
};

// A window of the program's own class used as a container.
class TCustomContainer : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  TCreateParams CreateParams() override;
};
