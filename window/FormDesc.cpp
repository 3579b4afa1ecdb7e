// The form description of the main window: every control with its place,
// size, caption, font, first value, tab order and handler, as data.
#include <type_traits>

#include "window/Unit1.h"
#include "base/Kinds.h"

namespace {

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

const char kMincho[] = "ＭＳ 明朝";
#define SORVANE_TEXT(x) #x
#define SORVANE_NUMBER(x) SORVANE_TEXT(x)
// The about page writes the build's version 3.0.2 as 3.02.
const char kVersionLine[] = "version " SORVANE_NUMBER(SORVANE_VERSION_MAJOR) "." SORVANE_NUMBER(
    SORVANE_VERSION_MINOR) SORVANE_NUMBER(SORVANE_VERSION_PATCH);
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

struct Row;
// Makes the row's control, of the type of the field it goes into.
using Maker = void (*)(TForm1*, const Row&);

struct Row {
  const char* Name;
  P Parent;
  short Left, Top, Width, Height;
  const char* Caption;
  unsigned char Font;
  signed char TabOrder;  // -1: not a tab stop
  unsigned Flags;
  Maker Make;
};

TWinControl* ParentOf(TForm1* f, P p) {
  switch (p) {
    case P::Form: return f;
    case P::TabList: return f->TabList;
    case P::TabConfig: return f->TabConfig;
    case P::TabAbout: return f->TabAbout;
    case P::Panel1: return f->Panel1;
  }
  return f;
}

// What a row's flags say of its kind of control.
void Configure(TControl*, unsigned) {}
void Configure(TEdit* e, unsigned flags) {
  e->BorderNone = (flags & kNoBorder) != 0;
  e->Flat = (flags & kFlat) != 0;
}
void Configure(TBevel* b, unsigned flags) {
  b->Shape = (flags & kBevelFrame) ? TBevelShape::Frame : TBevelShape::Box;
  b->Style = (flags & kBevelRaised) ? TBevelStyle::Raised : TBevelStyle::Lowered;
}
void Configure(TLabel* l, unsigned flags) {
  l->AutoSize = (flags & kAutoSize) != 0;
  l->Alignment = (flags & kCenter) ? TAlignment::Center : TAlignment::Left;
}

template <class T>
void BindEvent(T* c, TNotifyEvent e) {
  if constexpr (std::is_same_v<T, TEdit> || std::is_same_v<T, TScrollBar>)
    c->OnChange = e;
  else
    c->OnClick = e;
}

// What every row does to its control, whatever its type; windowed is the
// same control when it has a window of its own.
void Place(TForm1* f, const Row& r, TControl* c, TWinControl* windowed, bool tabStop) {
  c->SetName(r.Name);
  c->SetFont(kFonts[r.Font]);
  c->SetBounds(r.Left, r.Top, r.Width, r.Height);
  if (r.Flags & kDisabled) c->SetEnabled(false);
  if (windowed) {
    windowed->SetTabOrder(r.TabOrder);
    windowed->SetTabStop(tabStop && !(r.Flags & kNoTabStop));
  }
  c->SetCaption(r.Caption);
  c->SetParent(ParentOf(f, r.Parent));
}

// Once for each type of control, however many rows make one.
template <class T>
[[gnu::noinline]] T* MakeControl(TForm1* f) {
  return f->Make<T>();
}

template <auto Field, auto Handler = nullptr>
void Put(TForm1* f, const Row& r) {
  using T = std::remove_pointer_t<std::remove_reference_t<decltype(f->*Field)>>;
  T* c = MakeControl<T>(f);
  Configure(c, r.Flags);
  if constexpr (std::is_base_of_v<TWinControl, T>)
    // A radio group's stops are its buttons; a panel is no stop.
    Place(f, r, c, c, !std::is_same_v<T, TRadioGroup> && !std::is_same_v<T, TPanel>);
  else
    Place(f, r, c, nullptr, false);
  f->*Field = c;
  if constexpr (!std::is_same_v<decltype(Handler), std::nullptr_t>) BindEvent(c, Bind<Handler>(f));
}

// Rows in creation order; graphic controls paint in this order.
const Row kRows[] = {
    {"BtnOK", P::Form, 8, 280, 97, 33, "実行(&X)", 1, 0, kNone, Put<&TForm1::BtnOK, &TForm1::BtnOKClick>},
    {"BtnCancel", P::Form, 8, 328, 97, 33, "取消(&C)", 1, 1, kNone,
     Put<&TForm1::BtnCancel, &TForm1::BtnCancelClick>},
    {"BtnQuit", P::Form, 8, 376, 97, 33, "終了(&Q)", 1, 2, kNone,
     Put<&TForm1::BtnQuit, &TForm1::BtnQuitClick>},
    // Page TabList.
    {"Bevel6", P::TabList, 216, 336, 169, 33, "", 0, -1, kNone, Put<&TForm1::Bevel6>},
    {"Bevel1", P::TabList, 8, 304, 193, 65, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel1>},
    {"ImageBG", P::TabList, 208, 184, 185, 145, "", 0, -1, kBevelRaised, Put<&TForm1::ImageBG>},
    {"ImgView", P::TabList, 216, 192, 169, 113, "", 0, -1, kNone, Put<&TForm1::ImgView>},
    {"Bevel2", P::TabList, 8, 8, 385, 161, "", 0, -1, kNone, Put<&TForm1::Bevel2>},
    {"Label2", P::TabList, 104, 144, 105, 15, "候補から除外", 0, -1, kNone, Put<&TForm1::Label2>},
    {"BmpInfo", P::TabList, 216, 312, 169, 13, "原寸：nnn×mmm", 2, -1, kCenter, Put<&TForm1::BmpInfo>},
    {"LKakko", P::TabList, 24, 328, 11, 17, "(", 3, -1, kAutoSize, Put<&TForm1::LKakko>},
    {"Kanma", P::TabList, 104, 328, 19, 17, "，", 3, -1, kAutoSize, Put<&TForm1::Kanma>},
    {"RKakko", P::TabList, 184, 328, 11, 17, ")", 3, -1, kAutoSize, Put<&TForm1::RKakko>},
    {"Bevel4", P::TabList, 136, 184, 65, 105, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel4>},
    {"Label6", P::TabList, 144, 192, 45, 15, "背景色", 0, -1, kAutoSize, Put<&TForm1::Label6>},
    {"ListBox", P::TabList, 16, 16, 369, 113, "", 0, 0, kNone,
     Put<&TForm1::ListBox, &TForm1::ListBoxClick>},
    {"DelBtn", P::TabList, 216, 136, 97, 25, "選択画像", 0, 1, kNone,
     Put<&TForm1::DelBtn, &TForm1::DelBtnClick>},
    {"ClrBtn", P::TabList, 328, 136, 57, 25, "全て", 0, 2, kNone,
     Put<&TForm1::ClrBtn, &TForm1::ClrBtnClick>},
    {"DispType", P::TabList, 8, 176, 121, 113, "表示形式　", 4, 3, kNone,
     Put<&TForm1::DispType, &TForm1::DispTypeClick>},
    {"SetBase", P::TabList, 16, 296, 153, 17, "配置基準点指定　", 4, 5, kNone,
     Put<&TForm1::SetBase, &TForm1::SetBaseClick>},
    {"OrgX", P::TabList, 40, 328, 57, 17, "0", 5, 6, kNoBorder, Put<&TForm1::OrgX>},
    {"OrgY", P::TabList, 120, 328, 57, 17, "0", 5, 7, kNoBorder, Put<&TForm1::OrgY>},
    {"ColorView", P::TabList, 144, 216, 49, 21, "　", 0, 9, kFlat | kDisabled | kNoTabStop,
     Put<&TForm1::ColorView>},
    {"ColChgBtn", P::TabList, 144, 248, 49, 25, "設定", 0, 4, kNone,
     Put<&TForm1::ColChgBtn, &TForm1::ColChgBtnClick>},
    {"AutoChg", P::TabList, 248, 344, 105, 17, "自動変更　", 1, 8, kNone,
     Put<&TForm1::AutoChg, &TForm1::AutoChgClick>},
    // Page TabConfig.
    {"Bevel3", P::TabConfig, 24, 200, 193, 81, "", 0, -1, kBevelFrame, Put<&TForm1::Bevel3>},
    {"Label3", P::TabConfig, 32, 192, 51, 17, "周期　", 4, -1, kNone, Put<&TForm1::Label3>},
    {"Label4", P::TabConfig, 160, 224, 17, 17, "分", 4, -1, kNone, Put<&TForm1::Label4>},
    {"ChgMode", P::TabConfig, 24, 32, 137, 73, "表示順　", 4, 0, kNone, Put<&TForm1::ChgMode>},
    {"Freq", P::TabConfig, 40, 248, 160, 20, "", 0, 2, kNone, Put<&TForm1::Freq, &TForm1::FreqChange>},
    {"FreqView", P::TabConfig, 88, 216, 65, 23, "1", 0, 1, kNone,
     Put<&TForm1::FreqView, &TForm1::FreqViewChange>},
    // Page TabAbout.
    {"Panel1", P::TabAbout, 16, 24, 369, 209, "　", 0, 0, kNone, Put<&TForm1::Panel1>},
    {"Label5", P::Panel1, 144, 40, 73, 23, "Sorvane", 6, -1, kAutoSize, Put<&TForm1::Label5>},
    {"Label7", P::Panel1, 64, 88, 241, 17, "Velmicor", 7, -1, kAutoSize, Put<&TForm1::Label7>},
    {"Label9", P::Panel1, 120, 112, 121, 17, kVersionLine, 8, -1, kAutoSize, Put<&TForm1::Label9>},
    {"Label8", P::Panel1, 80, 168, 191, 17, "Made by the Sorvane team", 9, -1, kAutoSize,
     Put<&TForm1::Label8>},
};

}  // namespace

void TForm1::CreateComponents() {
  PageControl = Make<TPageControl>();
  PageControl->SetName("PageControl");
  PageControl->SetFont(kFonts[0]);
  PageControl->SetBounds(112, 8, 409, 409);
  PageControl->SetTabOrder(3);
  PageControl->SetTabStop(true);
  PageControl->SetParent(this);
  TabList = PageControl->AddPage("TabList", "壁紙候補　");
  TabConfig = PageControl->AddPage("TabConfig", "自動変更の設定　");
  TabAbout = PageControl->AddPage("TabAbout", "主張箱　");

  for (const Row& r : kRows) r.Make(this, r);

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

  Timer = Make<TTimer>();
  Timer->SetName("Timer");
  Timer->SetEnabled(false);
  Timer->SetInterval(60000);
  Timer->OnTimer = Bind<&TForm1::TimerTimer>(this);

  PopMenu = Make<TPopupMenu>();
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

  ColorDialog = Make<TColorDialog>();
  ColorDialog->SetName("ColorDialog");

  // The tray component is loaded last, its stored properties in their order.
  TaskBar = Make<TTaskBar>();
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
