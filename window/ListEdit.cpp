// Candidate list editing and the preview.
#include "window/Unit1.h"
#include "base/AnsiPath.h"
#include "base/Mbcs.h"
#include "picture/FileKind.h"
#include "settings/Desktop.h"
#include "settings/StoredSettings.h"

namespace {

// Released on every way out of the handler.
using TDropHandle = TOwned<HDROP, DragFinish>;

// The volume-label bit has no FILE_ATTRIBUTE_ name (the run-time's _A_VOLID).
constexpr DWORD kVolumeLabel = 0x8;
constexpr DWORD kSkipAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel | FILE_ATTRIBUTE_DIRECTORY;

// The dropped name, read in full, in the ANSI form that reaches its file
// (the ANSI query gives "?" for what the code page lacks); nothing when
// there is none.
std::optional<std::string> DroppedName(HDROP drop, UINT index) {
  const UINT len = DragQueryFileW(drop, index, nullptr, 0);
  if (len == 0) return std::nullopt;
  std::wstring name(len + 1, L'\0');
  if (DragQueryFileW(drop, index, name.data(), len + 1) != len) return std::nullopt;
  name.resize(len);
  return sorvane::AnsiPathOf(name);
}

}  // namespace

// The one place the list changes: the data first, then ListBox the same way,
// one step at a time, so the list box keeps its top line as it always did.

void TForm1::AddCandidate(const std::string& path) {
  ListBox->Add(path);  // first: a line the list box refuses joins no list
  FCandidates.Add(path);
}

void TForm1::DeleteCandidate(std::int32_t index) {
  if (!FCandidates.Remove(index)) return;
  ListBox->Delete(index);
  ListBox->SetItemIndex(FCandidates.Selected());
}

void TForm1::ClearCandidates() {
  FCandidates.Clear();
  ListBox->Clear();
}

void TForm1::SelectCandidate(std::int32_t index) {
  FCandidates.Select(index);
  ListBox->SetItemIndex(FCandidates.Selected());
}

void TForm1::WMDropFiles(HDROP drop) {
  TDropHandle handle(drop);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const auto path = DroppedName(drop, i);
    // A name longer than the list keeps would name some other file: skip it.
    if (!path || path->empty() || path->size() > sorvane::kMaxPathBytes) continue;
    const DWORD attr = GetFileAttributesA(path->c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || (attr & kSkipAttributes) != 0) continue;
    if (!sorvane::HasBmpExtension(*path)) continue;
    if (FCandidates.DropMayAppend()) AddCandidate(*path);
  }
  handle.Reset();
  UpdateControls();
}

void TForm1::ListBoxClick(TObject*) {
  // The user moved the selection in the list box: the data takes it over.
  FCandidates.Select(ListBox->ItemIndex());
  if (FCandidates.Selected() < 0) return;
  const std::string path = FCandidates.SelectedPath();
  if (!sorvane::FileExists(path)) {
    Warn("画像が見つかりません。除外します。");
    DeleteSelected();
    return;
  }
  TPicture& pic = ImgView->Picture();
  pic.LoadFromFile(path);  // on failure the old picture and its size stay
  ImgView->Invalidate();
  BmpInfo->SetCaption("原寸＝" + std::to_string(pic.Width()) + "×" + std::to_string(pic.Height()));
}

void TForm1::DelBtnClick(TObject*) {
  if (FCandidates.Selected() >= 0) DeleteSelected();
}

void TForm1::ClrBtnClick(TObject*) {
  if (FCandidates.Count() == 0) return;
  ClearCandidates();
  ClearPreview();
  UpdateControls();
}

void TForm1::DeleteSelected() {
  DeleteCandidate(FCandidates.Selected());  // no entry is selected afterwards
  ClearPreview();
  UpdateControls();
}

void TForm1::ClearPreview() {
  TPicture& pic = ImgView->Picture();
  // A blank bitmap of the control's size takes the place of whatever was
  // shown: an icon or a metafile cannot be painted over, and a large
  // picture's memory is given back at once. Stretched, it looks the same as
  // the old picture painted over.
  if (pic.Kind() != TGraphicKind::Bitmap || pic.Width() != ImgView->Width() || pic.Height() != ImgView->Height())
    pic.SetBlankBitmap(ImgView->Width(), ImgView->Height());
  pic.FillBitmap(GetSysColor(COLOR_BTNFACE));
  ImgView->Invalidate();
  BmpInfo->SetCaption(" ");
}
