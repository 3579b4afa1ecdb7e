// The tray component's record, tip, icon choice, switches, loading, design
// mode, hidden window and life as the shell sees them.
#include "TaskBarRecorder.h"

#include <cstddef>
#include <memory>

namespace {

template <class T>
T FieldAt(const TNotifyIconDataV1& d, std::size_t offset) {
  T v;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&d) + offset, sizeof v);
  return v;
}

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

// The whole 64-byte tip buffer: the text, then zeros.
void ExpectTipBuffer(const TNotifyIconDataV1& d, const std::string& text) {
  ASSERT_LE(text.size(), 63u);
  char want[64] = {};
  std::memcpy(want, text.data(), text.size());
  EXPECT_EQ(0, std::memcmp(d.szTip, want, sizeof want)) << "tip " << d.szTip << " want " << text;
}

}  // namespace

class TaskBarRecord : public TrayTestBase {};

TEST_F(TaskBarRecord, AddModifyAndDeleteSendTheFirstFormRecord) {
  auto* tb = new TTaskBar(nullptr);
  // Creation is plain stores: nothing reaches the shell, the record is zero.
  EXPECT_EQ(Shell.Count(), 0u);
  const TNotifyIconDataV1 zero{};
  EXPECT_EQ(0, std::memcmp(&tb->IconData(), &zero, sizeof zero));
  EXPECT_TRUE(tb->EnableTaskBar());
  EXPECT_TRUE(tb->EnableTaskTray());
  EXPECT_EQ(tb->Tips(), "");
  EXPECT_TRUE(tb->Icon()->Empty());
  EXPECT_EQ(tb->FrameCount(), 0u);

  tb->SetEnableTaskTray(true);
  tb->SetTips("Sorvane");
  tb->SetEnableTaskTray(false);
  delete tb;

  const std::vector<TShellCall> calls = Shell.Calls();
  ASSERT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_DELETE}));
  for (const TShellCall& c : calls) {
    const TNotifyIconDataV1& d = c.Data;
    // Read through the byte offsets of the platform's first form.
    EXPECT_EQ(FieldAt<DWORD>(d, 0), DWORD(NOTIFYICONDATAA_V1_SIZE));
#if !defined(_WIN64)
    EXPECT_EQ(FieldAt<DWORD>(d, 0), 88u);
#endif
    EXPECT_NE(d.hWnd, nullptr);
    EXPECT_EQ(FieldAt<HWND>(d, offsetof(NOTIFYICONDATAA, hWnd)), calls[0].Data.hWnd);
    EXPECT_EQ(FieldAt<UINT>(d, offsetof(NOTIFYICONDATAA, uID)), 1u);
    EXPECT_EQ(FieldAt<UINT>(d, offsetof(NOTIFYICONDATAA, uFlags)), 7u);
    EXPECT_EQ(FieldAt<UINT>(d, offsetof(NOTIFYICONDATAA, uCallbackMessage)), 32868u);
    EXPECT_EQ(FieldAt<HICON>(d, offsetof(NOTIFYICONDATAA, hIcon)), App->Icon());
    EXPECT_EQ(c.Thread, GetCurrentThreadId());
  }
  ExpectTipBuffer(calls[0].Data, "");
  ExpectTipBuffer(calls[1].Data, "Sorvane");
  // A removal sends the record unchanged.
  EXPECT_EQ(0, std::memcmp(&calls[2].Data, &calls[1].Data, sizeof calls[1].Data));
  EXPECT_EQ(0, std::memcmp(&calls[3].Data, &calls[1].Data, sizeof calls[1].Data));
}

TEST_F(TaskBarRecord, LoadingAppliesEachPropertyThenLoadedRegistersAgain) {
  auto* tb = new TTaskBar(nullptr);
  ShowWindow(App->Handle(), SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(App->Handle())) << "creation leaves the taskbar button alone";

  tb->SetLoading(true);
  tb->SetEnableTaskBar(true);
  EXPECT_TRUE(IsWindowVisible(App->Handle()));
  tb->SetEnableTaskTray(true);
  tb->SetTips("Sorvane");
  ShowWindow(App->Handle(), SW_HIDE);
  tb->Loaded();
  EXPECT_FALSE(tb->Loading());
  EXPECT_TRUE(IsWindowVisible(App->Handle())) << "Loaded applies EnableTaskBar again";

  EXPECT_EQ(Shell.Sent(), (std::vector<std::string>{"add ", "modify Sorvane", "add Sorvane"}));

  // Switched off: Loaded neither registers nor shows the button.
  Shell.Clear();
  tb->SetEnableTaskBar(false);
  EXPECT_FALSE(IsWindowVisible(App->Handle()));
  tb->SetEnableTaskTray(false);
  tb->Loaded();
  EXPECT_FALSE(IsWindowVisible(App->Handle()));
  EXPECT_EQ(Shell.Messages(), std::vector<DWORD>{NIM_DELETE});
  delete tb;
}

TEST_F(TaskBarRecord, DesignModeNeitherRegistersNorTouchesTheButton) {
  auto* tb = new TTaskBar(nullptr);
  tb->SetDesigning(true);
  ShowWindow(App->Handle(), SW_HIDE);
  tb->SetEnableTaskBar(true);
  EXPECT_FALSE(IsWindowVisible(App->Handle()));
  EXPECT_TRUE(tb->EnableTaskBar());
  tb->SetEnableTaskTray(true);
  tb->Loaded();
  EXPECT_EQ(Shell.Count(), 0u) << "no add in design mode";
  // Everything else behaves as at run time.
  tb->SetTips("x");
  EXPECT_EQ(tb->IconData().szTip, std::string("x"));
  delete tb;
  EXPECT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_DELETE}));
}

TEST_F(TaskBarRecord, OwnerDestroysTheComponentAndTheIconGoes) {
  auto* owner = new TComponent(nullptr);
  auto* tb = owner->Make<TTaskBar>();
  tb->SetEnableTaskTray(true);
  const HWND wnd = tb->Window();
  EXPECT_EQ(owner->Components().size(), 1u);
  delete owner;
  const std::vector<TShellCall> calls = Shell.Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].Message, DWORD(NIM_DELETE));
  EXPECT_EQ(calls[1].Data.hWnd, wnd);
  EXPECT_EQ(calls[1].Data.uID, 1u);
  EXPECT_FALSE(IsWindow(wnd));
}

class TaskBarTip : public TrayTestBase {};

TEST_F(TaskBarTip, TipIsCutTo63BytesWithoutSplittingACharacter) {
  const std::string a = "あ";  // 82 A0
  const std::string hyo = "表";  // 95 5C: its second byte is a backslash
  const std::string kana = "ｱ";  // half-width katakana: one byte
  ASSERT_EQ(a.size(), 2u);
  ASSERT_EQ(hyo, std::string("\x95\x5C"));
  ASSERT_EQ(kana.size(), 1u);
  struct Case {
    std::string Tips;
    std::string Shown;
  } cases[] = {
      {"", ""},
      {Repeat("x", 62), Repeat("x", 62)},
      {Repeat("x", 63), Repeat("x", 63)},
      {Repeat("x", 64), Repeat("x", 63)},
      {Repeat(a, 31), Repeat(a, 31)},                          // 62 bytes
      {Repeat(a, 32), Repeat(a, 31)},                          // 64: the 32nd would be split
      {"x" + Repeat(a, 31), "x" + Repeat(a, 31)},              // 63 exactly
      {"x" + Repeat(a, 32), "x" + Repeat(a, 31)},              // 65
      {"ab" + Repeat(hyo, 31), "ab" + Repeat(hyo, 30)},        // odd split position
      {Repeat(a, 31) + "yz", Repeat(a, 31) + "y"},             // single byte at the end
      {Repeat(kana, 64), Repeat(kana, 63)},                    // no lead bytes at all
      {Repeat(hyo, 40) + "tail", Repeat(hyo, 31)},
  };
  auto* tb = new TTaskBar(nullptr);
  tb->SetEnableTaskTray(true);
  for (const Case& c : cases) {
    Shell.Clear();
    tb->SetTips(c.Tips);
    EXPECT_EQ(tb->Tips(), c.Tips) << "Tips keeps the whole text";
    ASSERT_EQ(Shell.Messages(), std::vector<DWORD>{NIM_MODIFY});
    ExpectTipBuffer(Shell.Calls()[0].Data, c.Shown);
    ExpectTipBuffer(tb->IconData(), c.Shown);
  }
  // Registering again copies the tip the same way.
  Shell.Clear();
  tb->SetEnableTaskTray(true);
  ASSERT_EQ(Shell.Count(), 1u);
  ExpectTipBuffer(Shell.Calls()[0].Data, Repeat(hyo, 31));
  delete tb;
}

TEST_F(TaskBarTip, TipsKeepsAtMost255BytesCutAtACharacter) {
  auto* tb = new TTaskBar(nullptr);
  struct Case {
    std::string Tips;
    std::size_t Kept;
  } cases[] = {
      {std::string(255, 'x'), 255},
      {std::string(300, 'x'), 255},
      {Repeat("あ", 127), 254},
      {Repeat("あ", 128), 254},            // 256 bytes: half of the 128th is not kept
      {"x" + Repeat("あ", 127), 255},
      {"x" + Repeat("あ", 128), 255},
  };
  for (const Case& c : cases) {
    tb->SetTips(c.Tips);
    EXPECT_EQ(tb->Tips(), c.Tips.substr(0, c.Kept));
  }
  delete tb;
}

class TaskBarIcon : public TrayTestBase {};

TEST_F(TaskBarIcon, OwnIconIsACopyAndNoneBringsBackTheApplicationIcon) {
  auto* tb = new TTaskBar(nullptr);
  tb->SetEnableTaskTray(true);
  const HICON given = LoadIconA(nullptr, IDI_EXCLAMATION);
  ASSERT_NE(given, nullptr);

  Shell.Clear();
  tb->SetIcon(given);
  ASSERT_FALSE(tb->Icon()->Empty());
  const HICON own = tb->Icon()->Handle();
  EXPECT_NE(own, given) << "the component keeps its own copy";
  EXPECT_NE(own, App->Icon());
  std::vector<TShellCall> calls = Shell.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Message, DWORD(NIM_MODIFY));
  EXPECT_EQ(calls[0].Data.hIcon, own);

  // Assigning through the icon object refreshes the tray as well.
  Shell.Clear();
  tb->Icon()->Assign(LoadIconA(nullptr, IDI_QUESTION));
  calls = Shell.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Data.hIcon, tb->Icon()->Handle());

  // A handle that is no icon is refused and changes nothing.
  Shell.Clear();
  const HICON before = tb->Icon()->Handle();
  EXPECT_THROW(tb->SetIcon(reinterpret_cast<HICON>(std::intptr_t(0x7FFF1234))), std::exception);
  EXPECT_EQ(tb->Icon()->Handle(), before);
  EXPECT_EQ(Shell.Count(), 0u);

  Shell.Clear();
  tb->SetIcon(nullptr);
  EXPECT_TRUE(tb->Icon()->Empty());
  calls = Shell.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Data.hIcon, App->Icon());
  delete tb;
}

TEST_F(TaskBarIcon, WhileTheTrayIsOffTheRecordFollowsAndOnReRegistersIt) {
  auto* tb = new TTaskBar(nullptr);
  tb->SetEnableTaskTray(true);
  tb->SetTips("first");
  tb->SetEnableTaskTray(false);
  Shell.Clear();

  tb->SetTips("latest tip");
  tb->SetIcon(LoadIconA(nullptr, IDI_HAND));
  EXPECT_EQ(Shell.Count(), 0u) << "nothing reaches the shell while off";
  EXPECT_EQ(std::string(tb->IconData().szTip), "latest tip");
  EXPECT_EQ(tb->IconData().hIcon, tb->Icon()->Handle());

  // A second removal is sent too (the shell refuses it; that is ignored).
  tb->SetEnableTaskTray(false);
  tb->SetEnableTaskTray(true);
  ASSERT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
  const std::vector<TShellCall> calls = Shell.Calls();
  EXPECT_EQ(calls[1].Tip(), "latest tip");
  EXPECT_EQ(calls[1].Data.hIcon, tb->Icon()->Handle());
  EXPECT_EQ(calls[1].Data.uFlags, 7u);
  delete tb;
}

class TaskBarWindow : public TrayTestBase {};

TEST_F(TaskBarWindow, HiddenWindowOnThisThreadTakesEveryMessage) {
  auto* tb = new TTaskBar(nullptr);
  const HWND wnd = tb->Window();
  ASSERT_TRUE(IsWindow(wnd));
  EXPECT_FALSE(IsWindowVisible(wnd));
  EXPECT_EQ(GetWindowThreadProcessId(wnd, nullptr), GetCurrentThreadId());
  RECT r;
  GetWindowRect(wnd, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  EXPECT_EQ(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD, 0);
  // Other messages get the default handling.
  SendMessageA(wnd, WM_SETTEXT, 0, LPARAM("tray"));
  char text[16] = {};
  SendMessageA(wnd, WM_GETTEXT, sizeof text, LPARAM(text));
  EXPECT_STREQ(text, "tray");
  EXPECT_EQ(SendMessageA(wnd, WM_TRAYNOTIFY, 1, WM_MOUSEMOVE), 0);
  // The shell's callbacks still never show it.
  SendMessageA(wnd, WM_TRAYNOTIFY, 1, WM_LBUTTONDOWN);
  Pump();
  EXPECT_FALSE(IsWindowVisible(wnd));
  delete tb;
  EXPECT_FALSE(IsWindow(wnd));
}

// The main window's component, from start to end.
class TaskBarForm : public SorvaneTest {
 protected:
  ShellRecorder Shell;
};

TEST_F(TaskBarForm, StartRegistersTheIconWithItsTipAndTheEndRemovesIt) {
  RemoveIni();
  CreateForm();
  TTaskBar* tb = Form->TaskBar;
  ASSERT_NE(tb, nullptr);
  EXPECT_EQ(tb->Name(), "TaskBar");
  EXPECT_EQ(tb->Owner(), Form);
  EXPECT_EQ(tb->PopupMenuRight(), Form->PopMenu);
  EXPECT_EQ(tb->PopupMenuLeft(), nullptr);
  EXPECT_EQ(tb->PopupMenuMiddle(), nullptr);
  EXPECT_TRUE(bool(tb->OnTrayClick));
  EXPECT_TRUE(tb->Icon()->Empty());
  EXPECT_TRUE(tb->EnableTaskBar());
  EXPECT_TRUE(tb->EnableTaskTray());
  EXPECT_FALSE(tb->Thread()->Running()) << "the program never animates";

  std::vector<TShellCall> calls = Shell.Calls();
  const std::vector<std::string> sent = Shell.Sent();
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 3),
            (std::vector<std::string>{"add ", "modify Sorvane", "add Sorvane"}));
  for (const TShellCall& c : calls) {
    EXPECT_EQ(c.Data.hWnd, tb->Window());
    EXPECT_EQ(c.Data.hIcon, App->Icon());
  }
  const HWND wnd = tb->Window();
  delete App;
  App = nullptr;
  Form = nullptr;
  calls = Shell.Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().Message, DWORD(NIM_DELETE));
  EXPECT_EQ(calls.back().Data.hWnd, wnd);
  EXPECT_EQ(calls.back().Data.uID, 1u);
}

TEST_F(TaskBarForm, ANewNotificationAreaGetsTheIconAgainAsItStands) {
  RemoveIni();
  CreateForm();
  TTaskBar* tb = Form->TaskBar;
  const UINT created = RegisterWindowMessageA("TaskbarCreated");
  tb->SetTips("Sorvane：now");
  Shell.Clear();
  // Explorer restarted: the shell tells every top-level window.
  SendMessageA(tb->Window(), created, 0, 0);
  std::vector<TShellCall> calls = Shell.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Message, DWORD(NIM_ADD));
  EXPECT_EQ(calls[0].Tip(), "Sorvane：now");
  EXPECT_EQ(calls[0].Data.hIcon, App->Icon());
  EXPECT_EQ(calls[0].Data.uCallbackMessage, UINT(WM_TRAYNOTIFY));
  // With the tray switched off there is nothing to bring back.
  tb->SetEnableTaskTray(false);
  Shell.Clear();
  SendMessageA(tb->Window(), created, 0, 0);
  EXPECT_EQ(Shell.Count(), 0u);
}

TEST_F(TaskBarForm, AnIconTheShellRefusedIsAddedAgainUntilItIsThere) {
  // No notification area yet (a start at sign-in): every add is refused,
  // and so is the modify that would tell an icon already there.
  static BOOL addAnswer, modifyAnswer;
  addAnswer = modifyAnswer = FALSE;
  TestPlatform().ShellAnswer = [](DWORD m) { return m == NIM_ADD ? addAnswer : m == NIM_MODIFY ? modifyAnswer : TRUE; };
  RemoveIni();
  CreateForm();
  const HWND tray = Form->TaskBar->Window();
  const UINT created = RegisterWindowMessageA("TaskbarCreated");
  // Run elevated, the new shell's message and the shell's drops still come in.
  const HWND main = Form->Handle();
  EXPECT_EQ(TestPlatform().Allowed, (std::vector<std::pair<HWND, UINT>>{
                                        {tray, created}, {main, WM_DROPFILES}, {main, WM_COPYDATA}, {main, 0x0049}}));
  const auto sentWithin2s = [&] {  // the messages sent over the next retry
    Shell.Clear();
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 2300; Sleep(20)) Pump();
    return Shell.Messages();
  };
  EXPECT_EQ(sentWithin2s(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
  addAnswer = TRUE;  // the shell is up: the next try adds the icon, and trying ends
  EXPECT_EQ(sentWithin2s(), std::vector<DWORD>{NIM_ADD});
  // A new shell that already shows the icon (a second start asked for it):
  // the modify tells the refused add apart, and nothing is tried again.
  addAnswer = FALSE;
  modifyAnswer = TRUE;
  SendMessageA(tray, created, 0, 0);
  EXPECT_EQ(sentWithin2s(), std::vector<DWORD>{});
  // A new shell that refuses both: the icon shown before is forgotten, and
  // trying starts again as at start.
  modifyAnswer = FALSE;
  Shell.Clear();
  SendMessageA(tray, created, 0, 0);
  EXPECT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
  EXPECT_EQ(sentWithin2s(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
  // Switched off while the shell refuses: trying ends with it.
  Form->TaskBar->SetEnableTaskTray(false);
  EXPECT_EQ(sentWithin2s(), std::vector<DWORD>{});
  TestPlatform().ShellAnswer = nullptr;
}
