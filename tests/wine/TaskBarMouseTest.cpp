// Mouse messages from the shell: presses call OnTrayClick, releases pop up
// their menu at the cursor read when the message arrived.
#include <stdexcept>

#include "TaskBarRecorder.h"

namespace {

// Sees the pop-up menu while its modal loop runs (a thread timer fires
// inside it), notes which menu it is and where, then closes it or picks
// its first item.
struct MenuProbe {
  struct Seen {
    HMENU Menu;
    POINT TopLeft;
    HWND Foreground;
  };
  std::vector<Seen> Popups;
  bool PickFirst = false;

  void Arm() {
    Current = this;
    FTimer = SetTimer(nullptr, 0, 20, &Tick);
  }
  void Disarm() {
    KillTimer(nullptr, FTimer);
    Current = nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!Current) return;
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    RECT r;
    GetWindowRect(menu, &r);
    Current->Popups.push_back({HMENU(SendMessageA(menu, MN_GETHMENU, 0, 0)), {r.left, r.top}, GetForegroundWindow()});
    if (Current->PickFirst) {
      PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    } else {
      EndMenu();
    }
  }
  static inline MenuProbe* Current = nullptr;
  UINT_PTR FTimer = 0;
};

struct ClickLog {
  std::vector<int> Buttons;
  bool Throw = false;
  void TrayClick(TMouseButton b) {
    Buttons.push_back(int(b));
    if (Throw) throw std::runtime_error("トレイで失敗");
  }
  int Clicks = 0;
  void ItemClick(TObject*) { ++Clicks; }
};

// A window whose posted message moves the cursor or destroys a menu, to act
// as a message already waiting when the release arrives.
const UINT kMoveCursor = WM_APP + 1;
const UINT kDeleteMenu = WM_APP + 2;
LRESULT CALLBACK HelperProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMoveCursor) {
    SetCursorPos(int(wParam), int(lParam));
    return 0;
  }
  if (msg == kDeleteMenu) {
    delete reinterpret_cast<TPopupMenu*>(lParam);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

HWND MakeHelper() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TrayTestHelper";
    registered = RegisterClassA(&wc) != 0;
  }
  return CreateWindowExA(0, "TrayTestHelper", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

}  // namespace

class TaskBarMouse : public TrayTestBase {
 protected:
  void SetUp() override {
    TrayTestBase::SetUp();
    Tb = new TTaskBar(nullptr);
  }
  void TearDown() override {
    delete Tb;
    TrayTestBase::TearDown();
  }
  // Sends one shell callback while the probe watches for menus.
  void Send(LPARAM code) {
    Probe.Arm();
    SendMessageA(Tb->Window(), WM_TRAYNOTIFY, 1, code);
    Probe.Disarm();
    Pump();
  }
  TPopupMenu* NewMenu(const char* caption) {
    auto* m = App->Make<TPopupMenu>();
    TMenuItem* item = m->Add("Item", caption);
    item->OnClick = Bind<&ClickLog::ItemClick>(&Log);
    return m;
  }
  TTaskBar* Tb = nullptr;
  MenuProbe Probe;
  ClickLog Log;
};

TEST_F(TaskBarMouse, PressesCallTheHandlerWithTheirButtonAndNothingElseDoes) {
  // No handler and no menus: nothing happens.
  for (LPARAM code : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP})
    Send(code);
  EXPECT_TRUE(Probe.Popups.empty());

  Tb->OnTrayClick = Bind<&ClickLog::TrayClick>(&Log);
  // A left double-click: press, release, double-click, release.
  for (LPARAM code : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Send(code);
  EXPECT_EQ(Log.Buttons, std::vector<int>({0}));
  for (LPARAM code : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP,
                      WM_MBUTTONDBLCLK, WM_MOUSEMOVE, 0x020B /* WM_XBUTTONDOWN */})
    Send(code);
  EXPECT_EQ(Log.Buttons, std::vector<int>({0, 1, 2}));
  // wParam is not examined.
  SendMessageA(Tb->Window(), WM_TRAYNOTIFY, 7, WM_MBUTTONDOWN);
  EXPECT_EQ(Log.Buttons, std::vector<int>({0, 1, 2, 2}));
  EXPECT_TRUE(Probe.Popups.empty()) << "no menu is set";
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(TaskBarMouse, EachReleasePopsItsOwnMenuAtTheCursorReadFirst) {
  TPopupMenu* left = NewMenu("L");
  TPopupMenu* middle = NewMenu("M");
  TPopupMenu* right = NewMenu("R");
  Tb->SetPopupMenuLeft(left);
  Tb->SetPopupMenuMiddle(middle);
  Tb->SetPopupMenuRight(right);
  Tb->OnTrayClick = Bind<&ClickLog::TrayClick>(&Log);
  const HWND helper = MakeHelper();

  // The main window's case: handler on the press, menu on the release.
  struct Case {
    LPARAM Press, Release;
    TPopupMenu* Menu;
    int Button;
  } cases[] = {{WM_RBUTTONDOWN, WM_RBUTTONUP, right, 1},
               {WM_LBUTTONDOWN, WM_LBUTTONUP, left, 0},
               {WM_MBUTTONDOWN, WM_MBUTTONUP, middle, 2}};
  for (const Case& c : cases) {
    Probe.Popups.clear();
    Log.Buttons.clear();
    Send(c.Press);
    EXPECT_TRUE(Probe.Popups.empty()) << "a press opens no menu";
    EXPECT_EQ(Log.Buttons, std::vector<int>({c.Button}));

    SetCursorPos(200, 150);
    // Waiting in the queue when the release arrives: runs before the menu
    // opens, yet the menu opens where the cursor was.
    PostMessageA(helper, kMoveCursor, 600, 500);
    Send(c.Release);
    ASSERT_EQ(Probe.Popups.size(), 1u);
    EXPECT_EQ(Probe.Popups[0].Menu, c.Menu->Handle());
    EXPECT_EQ(Probe.Popups[0].TopLeft.x, 200);
    EXPECT_EQ(Probe.Popups[0].TopLeft.y, 150);
    POINT now;
    GetCursorPos(&now);
    EXPECT_EQ(now.x, 600) << "the waiting message ran before the menu";
    EXPECT_EQ(Log.Buttons, std::vector<int>({c.Button})) << "a release calls no handler";
  }

  // The chosen item runs its own handler.
  Probe.Popups.clear();
  Probe.PickFirst = true;
  Send(WM_RBUTTONUP);
  ASSERT_EQ(Probe.Popups.size(), 1u);
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_TRUE(Boxes.empty());
  DestroyWindow(helper);
}

TEST_F(TaskBarMouse, DestroyedMenusAreDroppedAndLaterReleasesDoNothing) {
  TPopupMenu* menu = NewMenu("X");
  Tb->SetPopupMenuLeft(menu);
  Tb->SetPopupMenuRight(menu);
  TPopupMenu* middle = NewMenu("M");
  Tb->SetPopupMenuMiddle(middle);
  delete menu;
  EXPECT_EQ(Tb->PopupMenuLeft(), nullptr);
  EXPECT_EQ(Tb->PopupMenuRight(), nullptr);
  EXPECT_EQ(Tb->PopupMenuMiddle(), middle);
  Send(WM_LBUTTONUP);
  Send(WM_RBUTTONUP);
  EXPECT_TRUE(Probe.Popups.empty());

  // Destroyed by a message that was waiting when the release came.
  const HWND helper = MakeHelper();
  PostMessageA(helper, kDeleteMenu, 0, LPARAM(middle));
  Send(WM_MBUTTONUP);
  EXPECT_EQ(Tb->PopupMenuMiddle(), nullptr);
  EXPECT_TRUE(Probe.Popups.empty());
  EXPECT_TRUE(Boxes.empty());
  DestroyWindow(helper);

  // A component destroyed before its menu leaves the menu usable.
  TPopupMenu* kept = NewMenu("K");
  Tb->SetPopupMenuRight(kept);
  delete Tb;
  Tb = nullptr;
  EXPECT_EQ(kept->Count(), 1);
  delete kept;
}

TEST_F(TaskBarMouse, HandlerErrorsGoToTheErrorBoxAndLaterMessagesStillWork) {
  Tb->OnTrayClick = Bind<&ClickLog::TrayClick>(&Log);
  Tb->SetPopupMenuRight(NewMenu("R"));
  Log.Throw = true;
  Send(WM_RBUTTONDOWN);
  ASSERT_TRUE(OneBox("トレイで失敗.", TBoxKind::Error));
  Log.Throw = false;
  Send(WM_LBUTTONDOWN);
  Send(WM_RBUTTONUP);
  EXPECT_EQ(Log.Buttons, std::vector<int>({1, 0}));
  EXPECT_EQ(Probe.Popups.size(), 1u);
  EXPECT_EQ(Boxes.size(), 1u);
}
