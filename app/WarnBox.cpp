#include "app/WarnBox.h"

#include <windows.h>

#include <vector>

#include "app/Application.h"
#include "base/Handle.h"
#include "base/Platform.h"
#include "ui/Controls.h"

namespace {

constexpr int kIconId = 100;
constexpr int kTextId = 101;

class TemplateWriter {
 public:
  void Word(WORD w) { FData.push_back(w); }
  void DWord(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(const std::string& s) {
    const int n = MultiByteToWideChar(932, 0, s.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> w(size_t(n > 0 ? n : 1), L'\0');
    if (n > 0) MultiByteToWideChar(932, 0, s.c_str(), -1, w.data(), n);
    for (wchar_t c : w) Word(WORD(c));
  }
  void Align() {
    if (FData.size() % 2) Word(0);
  }
  void Item(DWORD style, WORD id, WORD cls, const std::string& text) {
    Align();
    DWord(style | WS_CHILD | WS_VISIBLE);
    DWord(0);
    for (int i = 0; i < 4; ++i) Word(0);  // placed in WM_INITDIALOG
    Word(id);
    Word(0xFFFF);
    Word(cls);
    Text(text);
    Word(0);
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(FData.data()); }
  std::vector<WORD> FData;
};

struct BoxData {
  std::string Text;
  bool Question;
};

void Place(HWND dlg, int id, int x, int y, int w, int h) {
  MoveWindow(GetDlgItem(dlg, id), x, y, w, h, FALSE);
}

INT_PTR CALLBACK BoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* data = reinterpret_cast<const BoxData*>(lParam);
      SendDlgItemMessageA(dlg, kIconId, STM_SETICON, WPARAM(LoadIcon(nullptr, IDI_EXCLAMATION)), 0);
      const TScreenDC dc(GetDC(nullptr));
      const TSelectObject font(dc, HFONT(SendMessageA(dlg, WM_GETFONT, 0, 0)));
      RECT tr{0, 0, GetSystemMetrics(SM_CXSCREEN) / 3, 0};
      DrawTextA(dc, data->Text.c_str(), int(data->Text.size()), &tr, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
      TEXTMETRICA tm{};
      GetTextMetricsA(dc, &tm);
      const int margin = 16, icon = GetSystemMetrics(SM_CXICON), gap = 12;
      const int buttonW = 88, buttonH = tm.tmHeight + 12, buttons = data->Question ? 2 : 1;
      const int textW = tr.right, textH = tr.bottom > icon ? tr.bottom : icon;
      int clientW = margin + icon + gap + textW + margin;
      const int buttonsW = buttons * buttonW + (buttons - 1) * 8;
      if (clientW < buttonsW + 2 * margin) clientW = buttonsW + 2 * margin;
      const int clientH = margin + textH + gap + buttonH + margin;
      Place(dlg, kIconId, margin, margin, icon, icon);
      Place(dlg, kTextId, margin + icon + gap, margin + (textH - tr.bottom) / 2, textW + 2, tr.bottom);
      int x = (clientW - buttonsW) / 2;
      const int y = margin + textH + gap;
      Place(dlg, IDYES, x, y, buttonW, buttonH);
      if (data->Question) Place(dlg, IDNO, x + buttonW + 8, y, buttonW, buttonH);
      RECT wr{0, 0, clientW, clientH};
      AdjustWindowRectEx(&wr, DWORD(GetWindowLongPtrA(dlg, GWL_STYLE)), FALSE,
                         DWORD(GetWindowLongPtrA(dlg, GWL_EXSTYLE)));
      const int w = wr.right - wr.left, h = wr.bottom - wr.top;
      SetWindowPos(dlg, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w,
                   h, 0);
      SetForegroundWindow(dlg);
      SetFocus(GetDlgItem(dlg, IDYES));
      return FALSE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDYES:
          EndDialog(dlg, IDYES);
          return TRUE;
        case IDNO:
        case IDCANCEL:
          EndDialog(dlg, IDNO);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

int ShowWarnBox(const std::string& text, bool question) {
  TModalScope modal;
  using sorvane::TBoxKind;
  if (const int answer = sorvane::Platform().AnswerBox(question ? TBoxKind::Question : TBoxKind::Warning, text))
    return answer;
  TemplateWriter t;
  const WORD items = question ? 4 : 3;
  t.DWord(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFOREGROUND);
  t.DWord(WS_EX_TOPMOST);
  t.Word(items);
  for (int i = 0; i < 4; ++i) t.Word(0);
  t.Word(0);  // no menu
  t.Word(0);  // default class
  t.Text("警告");
  t.Word(9);
  t.Text(kGothic);
  t.Item(SS_ICON, kIconId, 0x0082, "");
  t.Item(SS_LEFT | SS_NOPREFIX, kTextId, 0x0082, text);
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDYES, 0x0080, "はい(&Y)");
  if (question) t.Item(BS_PUSHBUTTON | WS_TABSTOP, IDNO, 0x0080, "いいえ(&N)");
  BoxData data{text, question};
  const INT_PTR r = DialogBoxIndirectParamA(Application->Instance(), t.Get(), Application->Handle(), BoxProc,
                                            LPARAM(&data));
  return r == IDYES ? IDYES : IDNO;
}
