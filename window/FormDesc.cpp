// The form description of the main window: every control with its place,
// size, caption, font, first value, tab order and handler, as data.
#include <type_traits>

#include "window/Unit1.h"
#include "base/Kinds.h"

namespace {

enum class K : unsigned char { Button, CheckBox, Radio, List, Edit, Scroll, Label, Bevel, Image, Panel };
enum class P : unsigned char { Form, TabList, TabConfig, TabAbout, Panel1 };

enum F : unsigned {
  kNone = 0,
  kAutoSize = 1u << 0,     // label sizes itself to its text
  kCenter = 1u << 1,       // label text centred
  kBevelFrame = 1u << 2,   // etched outline instead of a sunken box
  kBevelRaised = 1u << 3,  // raised box
  kNoBorder = 1u << 4,     // edit without border
  kFlat = 1u << 5,         // edit with a single-line border
  kDisabled = 1u << 6,
  kNoTabStop = 1u << 7,
};

const char kGothic[] = "ＭＳ ゴシック";
const char kMincho[] = "ＭＳ 明朝";
constexpr COLORREF kYellow = RGB(255, 255, 0), kAqua = RGB(0, 255, 255), kSilver = RGB(192, 192, 192),
                   kWhite = RGB(255, 255, 255);

// Fonts used by the description; 0 is the window font.
const TFontSpec kFonts[] = {
    {kGothic, 15, 0, clWindowText},                 // 0 window font
    {kGothic, 18, fsBold, clWindowText},            // 1 command buttons, AutoChg
    {kGothic, 13, 0, clWindowText},                 // 2 BmpInfo
    {kGothic, 17, fsBold, clWindowText},            // 3 origin brackets
    {kGothic, 17, 0, clWindowText},                 // 4 groups, SetBase, labels of TabConfig
    {kGothic, 15, fsBold, clWindowText},            // 5 origin edits
    {kMincho, 23, fsBold | fsItalic, kYellow},      // 6 Label5
    {kMincho, 17, fsBold | fsItalic, kAqua},        // 7 Label7
    {kMincho, 17, fsBold, kSilver},                 // 8 Label9
    {kMincho, 17, fsBold, kWhite},                  // 9 Label8
};

using Slot = void (*)(TForm1*, TControl*);

template <class T>
void BindEvent(T* c, TNotifyEvent e) {
  if constexpr (std::is_same_v<T, TEdit> || std::is_same_v<T, TScrollBar>)
    c->OnChange = e;
  else
    c->OnClick = e;
}

template <auto Field, auto Handler = nullptr>
void Put(TForm1* f, TControl* c) {
  using T = std::remove_pointer_t<std::remove_reference_t<decltype(f->*Field)>>;
  f->*Field = static_cast<T*>(c);
  if constexpr (!std::is_same_v<decltype(Handler), std::nullptr_t>) BindEvent(f->*Field, Bind<Handler>(f));
}

struct Row {
  K Kind;
  const char* Name;
  P Parent;
  short Left, Top, Width, Height;
  const char* Caption;
  unsigned char Font;
  signed char TabOrder;  // -1: not a tab stop
  unsigned Flags;
  Slot Store;
};

// Rows in creation order; graphic controls paint in this order.
const Row kRows[] = {
    {K::Button, "BtnOK", P::Form, 8, 280, 97, 33, "実行(&X)", 1, 0, kNone, Put<&TForm1::BtnOK, &TForm1::BtnOKClick>},
    {K::Button, "BtnCancel", P::Form, 8, 328, 97, 33, "取消(&C)", 1, 1, kNone,
     Put<&TForm1::BtnCancel, &TForm1::BtnCancelClick>},
    {K::Button, "BtnQuit", P::Form, 8, 376, 97, 33, "終了(&Q)", 1, 2, kNone,
     Put<&TForm1::BtnQuit, &TForm1::BtnQuitClick>},
    // Page TabList.
    {K::Bevel, "Bevel6", P::TabList, 216, 336, 169, 33, "", 0, -1, kNone, Put<&TForm1::Bevel6>},
    {K::Bevel, "Bevel1", P::TabList, 8, 304, 193, 65, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel1>},
    {K::Bevel, "ImageBG", P::TabList, 208, 184, 185, 145, "", 0, -1, kBevelRaised, Put<&TForm1::ImageBG>},
    {K::Image, "ImgView", P::TabList, 216, 192, 169, 113, "", 0, -1, kNone, Put<&TForm1::ImgView>},
    {K::Bevel, "Bevel2", P::TabList, 8, 8, 385, 161, "", 0, -1, kNone, Put<&TForm1::Bevel2>},
    {K::Label, "Label2", P::TabList, 104, 144, 105, 15, "候補から除外", 0, -1, kNone, Put<&TForm1::Label2>},
    {K::Label, "BmpInfo", P::TabList, 216, 312, 169, 13, "原寸：nnn×mmm", 2, -1, kCenter, Put<&TForm1::BmpInfo>},
    {K::Label, "LKakko", P::TabList, 24, 328, 11, 17, "(", 3, -1, kAutoSize, Put<&TForm1::LKakko>},
    {K::Label, "Kanma", P::TabList, 104, 328, 19, 17, "，", 3, -1, kAutoSize, Put<&TForm1::Kanma>},
    {K::Label, "RKakko", P::TabList, 184, 328, 11, 17, ")", 3, -1, kAutoSize, Put<&TForm1::RKakko>},
    {K::Bevel, "Bevel4", P::TabList, 136, 184, 65, 105, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel4>},
    {K::Label, "Label6", P::TabList, 144, 192, 45, 15, "背景色", 0, -1, kAutoSize, Put<&TForm1::Label6>},
    {K::List, "ListBox", P::TabList, 16, 16, 369, 113, "", 0, 0, kNone,
     Put<&TForm1::ListBox, &TForm1::ListBoxClick>},
    {K::Button, "DelBtn", P::TabList, 216, 136, 97, 25, "選択画像", 0, 1, kNone,
     Put<&TForm1::DelBtn, &TForm1::DelBtnClick>},
    {K::Button, "ClrBtn", P::TabList, 328, 136, 57, 25, "全て", 0, 2, kNone,
     Put<&TForm1::ClrBtn, &TForm1::ClrBtnClick>},
    {K::Radio, "DispType", P::TabList, 8, 176, 121, 113, "表示形式　", 4, 3, kNone,
     Put<&TForm1::DispType, &TForm1::DispTypeClick>},
    {K::CheckBox, "SetBase", P::TabList, 16, 296, 153, 17, "配置基準点指定　", 4, 5, kNone,
     Put<&TForm1::SetBase, &TForm1::SetBaseClick>},
    {K::Edit, "OrgX", P::TabList, 40, 328, 57, 17, "0", 5, 6, kNoBorder, Put<&TForm1::OrgX>},
    {K::Edit, "OrgY", P::TabList, 120, 328, 57, 17, "0", 5, 7, kNoBorder, Put<&TForm1::OrgY>},
    {K::Edit, "ColorView", P::TabList, 144, 216, 49, 21, "　", 0, 9, kFlat | kDisabled | kNoTabStop,
     Put<&TForm1::ColorView>},
    {K::Button, "ColChgBtn", P::TabList, 144, 248, 49, 25, "設定", 0, 4, kNone,
     Put<&TForm1::ColChgBtn, &TForm1::ColChgBtnClick>},
    {K::CheckBox, "AutoChg", P::TabList, 248, 344, 105, 17, "自動変更　", 1, 8, kNone,
     Put<&TForm1::AutoChg, &TForm1::AutoChgClick>},
    // Page TabConfig.
    {K::Bevel, "Bevel3", P::TabConfig, 24, 200, 193, 81, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel3>},
    {K::Label, "Label3", P::TabConfig, 32, 192, 51, 17, "周期　", 4, -1, kNone, Put<&TForm1::Label3>},
    {K::Label, "Label4", P::TabConfig, 160, 224, 17, 17, "分", 4, -1, kNone, Put<&TForm1::Label4>},
    {K::Radio, "ChgMode", P::TabConfig, 24, 32, 137, 73, "表示順　", 4, 0, kNone, Put<&TForm1::ChgMode>},
    {K::Scroll, "Freq", P::TabConfig, 40, 248, 160, 20, "", 0, 2, kNone, Put<&TForm1::Freq, &TForm1::FreqChange>},
    {K::Edit, "FreqView", P::TabConfig, 88, 216, 65, 23, "1", 0, 1, kNone,
     Put<&TForm1::FreqView, &TForm1::FreqViewChange>},
    // Page TabAbout.
    {K::Panel, "Panel1", P::TabAbout, 16, 24, 369, 209, "　", 0, 0, kNone, Put<&TForm1::Panel1>},
    {K::Label, "Label5", P::Panel1, 144, 40, 73, 23, "Sorvane", 6, -1, kAutoSize, Put<&TForm1::Label5>},
    {K::Label, "Label7", P::Panel1, 64, 88, 241, 17, "Velmicor", 7, -1, kAutoSize, Put<&TForm1::Label7>},
    {K::Label, "Label9", P::Panel1, 120, 112, 121, 17, "version 3.02", 8, -1, kAutoSize, Put<&TForm1::Label9>},
    {K::Label, "Label8", P::Panel1, 80, 168, 191, 17, "Made by the Sorvane team", 9, -1, kAutoSize,
     Put<&TForm1::Label8>},
};

TControl* NewControl(TForm1* owner, const Row& r) {
  switch (r.Kind) {
    case K::Button: return new TButton(owner);
    case K::CheckBox: return new TCheckBox(owner);
    case K::Radio: return new TRadioGroup(owner);
    case K::List: return new TListBox(owner);
    case K::Scroll: return new TScrollBar(owner);
    case K::Label: return new TLabel(owner);
    case K::Image: return new TImage(owner);
    case K::Panel: return new TPanel(owner);
    case K::Edit: {
      auto* e = new TEdit(owner);
      e->BorderNone = (r.Flags & kNoBorder) != 0;
      e->Flat = (r.Flags & kFlat) != 0;
      return e;
    }
    case K::Bevel: {
      auto* b = new TBevel(owner);
      b->Shape = (r.Flags & kBevelFrame) ? TBevelShape::Frame : TBevelShape::Box;
      b->Style = (r.Flags & kBevelRaised) ? TBevelStyle::Raised : TBevelStyle::Lowered;
      return b;
    }
  }
  return nullptr;
}

}  // namespace

void TForm1::CreateComponents() {

  PageControl = new TPageControl(this);
  PageControl->SetName("PageControl");
  PageControl->SetFont(kFonts[0]);
  PageControl->SetBounds(112, 8, 409, 409);
  PageControl->SetTabOrder(3);
  PageControl->SetTabStop(true);
  PageControl->SetParent(this);
  TabList = PageControl->AddPage("TabList", "壁紙候補　");
  TabConfig = PageControl->AddPage("TabConfig", "自動変更の設定　");
  TabAbout = PageControl->AddPage("TabAbout", "主張箱　");

  for (const Row& r : kRows) {
    TControl* c = NewControl(this, r);
    c->SetName(r.Name);
    c->SetFont(kFonts[r.Font]);
    c->SetBounds(r.Left, r.Top, r.Width, r.Height);
    if (r.Flags & kDisabled) c->SetEnabled(false);
    if (!c->IsGraphic()) {
      auto* w = static_cast<TWinControl*>(c);
      w->SetTabOrder(r.TabOrder);
      w->SetTabStop(r.Kind != K::Radio && r.Kind != K::Panel && !(r.Flags & kNoTabStop));
    }
    if (r.Kind == K::Label) {
      auto* l = static_cast<TLabel*>(c);
      l->AutoSize = (r.Flags & kAutoSize) != 0;
      l->Alignment = (r.Flags & kCenter) ? TAlignment::Center : TAlignment::Left;
    }
    c->SetCaption(r.Caption);
    TWinControl* parent = r.Parent == P::Form        ? static_cast<TWinControl*>(this)
                          : r.Parent == P::TabList   ? static_cast<TWinControl*>(TabList)
                          : r.Parent == P::TabConfig ? static_cast<TWinControl*>(TabConfig)
                          : r.Parent == P::TabAbout  ? static_cast<TWinControl*>(TabAbout)
                                                     : static_cast<TWinControl*>(Panel1);
    c->SetParent(parent);
    r.Store(this, c);
  }

  // First values and properties beyond the table.
  DispType->SetItems({"壁紙なし", "画面中央", "タイル状", "全面拡大"});
  DispType->SetItemIndex(sorvane::dsCenter);
  ChgMode->SetItems({"リスト順　", "ランダム　"});
  ChgMode->SetItemIndex(sorvane::coListOrder);
  Freq->SmallChange = 1;
  Freq->LargeChange = 1;
  Freq->SetParams(1, 1, 1440);
  Panel1->SetColor(RGB(128, 128, 128));
  Panel1->BevelOuter = TPanelBevel::Lowered;
  Panel1->BevelInner = TPanelBevel::Raised;

  for (TWinControl* parent : {static_cast<TWinControl*>(this), static_cast<TWinControl*>(TabList),
                              static_cast<TWinControl*>(TabConfig), static_cast<TWinControl*>(TabAbout)})
    parent->ApplyTabOrder();

  Timer = new TTimer(this);
  Timer->SetName("Timer");
  Timer->SetEnabled(false);
  Timer->SetInterval(60000);
  Timer->OnTimer = Bind<&TForm1::TimerTimer>(this);

  PopMenu = new TPopupMenu(this);
  PopMenu->SetName("PopMenu");
  PopSend = PopMenu->Add("PopSend", "次の画像");
  PopRew = PopMenu->Add("PopRew", "前の画像");
  N1 = PopMenu->Add("N1", "-");
  PopPause = PopMenu->Add("PopPause", "タイマー停止");
  N2 = PopMenu->Add("N2", "-");
  PopQuit = PopMenu->Add("PopQuit", "終了");
  PopSend->OnClick = Bind<&TForm1::PopSendClick>(this);
  PopRew->OnClick = Bind<&TForm1::PopRewClick>(this);
  PopPause->OnClick = Bind<&TForm1::PopPauseClick>(this);
  PopQuit->OnClick = Bind<&TForm1::PopQuitClick>(this);

  ColorDialog = new TColorDialog(this);
  ColorDialog->SetName("ColorDialog");

  // The tray component is loaded last, its stored properties in their order.
  TaskBar = new TTaskBar(this);
  TaskBar->SetName("TaskBar");
  TaskBar->SetLoading(true);
  TaskBar->SetEnableTaskBar(true);
  TaskBar->SetEnableTaskTray(true);
  TaskBar->SetTips("Sorvane");
  TaskBar->OnTrayClick = Bind<&TForm1::TaskBarTrayClick>(this);
  TaskBar->SetPopupMenuRight(PopMenu);

  OnCreate = Bind<&TForm1::FormCreate>(this);
  OnPaint = Bind<&TForm1::FormPaint>(this);
}
