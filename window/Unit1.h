// The main window: every control of the form description, the candidate
// list, the fields of the changer and the settings, and the handlers of
// every subsystem. The members are defined beside this file, one file for
// each part: FormDesc.cpp (the form description), FormCreate.cpp (start-up),
// Settings.cpp (LoadSettings, SaveSettings), Changer.cpp (the minute tick,
// the tray menu, the period), Commands.cpp (the control rules and the
// buttons), ListEdit.cpp (the list, drops and the preview).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tray/TaskBar.h"
#include "base/ShortStr.h"
#include "changer/Schedule.h"
#include "settings/DesktopValues.h"
#include "window/CandidateList.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  // Controls placed directly on the window.
  TButton* BtnOK = nullptr;
  TButton* BtnCancel = nullptr;
  TButton* BtnQuit = nullptr;
  TPageControl* PageControl = nullptr;
  TTabSheet* TabList = nullptr;
  TTabSheet* TabConfig = nullptr;
  TTabSheet* TabAbout = nullptr;
  // Page TabList.
  TBevel* Bevel6 = nullptr;
  TBevel* Bevel1 = nullptr;
  TBevel* ImageBG = nullptr;
  TImage* ImgView = nullptr;
  TBevel* Bevel2 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* BmpInfo = nullptr;
  TLabel* LKakko = nullptr;
  TLabel* Kanma = nullptr;
  TLabel* RKakko = nullptr;
  TBevel* Bevel4 = nullptr;
  TLabel* Label6 = nullptr;
  TListBox* ListBox = nullptr;
  TButton* DelBtn = nullptr;
  TButton* ClrBtn = nullptr;
  TRadioGroup* DispType = nullptr;
  TCheckBox* SetBase = nullptr;
  TEdit* OrgX = nullptr;
  TEdit* OrgY = nullptr;
  TEdit* ColorView = nullptr;
  TButton* ColChgBtn = nullptr;
  TCheckBox* AutoChg = nullptr;
  // Page TabConfig.
  TBevel* Bevel3 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TRadioGroup* ChgMode = nullptr;
  TScrollBar* Freq = nullptr;
  TEdit* FreqView = nullptr;
  // Page TabAbout.
  TPanel* Panel1 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label8 = nullptr;
  // Parts that are not drawn.
  TTimer* Timer = nullptr;
  TTaskBar* TaskBar = nullptr;
  TColorDialog* ColorDialog = nullptr;
  TPopupMenu* PopMenu = nullptr;
  TMenuItem* PopSend = nullptr;
  TMenuItem* PopRew = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* PopPause = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* PopQuit = nullptr;

  // The changer's state; the fields below are the window's names for it.
  sorvane::TSchedule Schedule;

  // Fields, in declared order.
  TShortStr WorkStr;  // paths read back and the tray text, at most 255 bytes
  std::int32_t& MinCount = Schedule.MinCount;
  std::int32_t& FreqMin = Schedule.FreqMin;
  std::int32_t& ListPos = Schedule.ListPos;
  std::int32_t& CurPos = Schedule.CurPos;
  bool Painted = false;
  bool& Paused = Schedule.Paused;
  std::string IniName;
  // The placement pair a load found, written back by Execute until the user
  // chooses a display style.
  std::optional<sorvane::TStylePair> StyleAsLoaded;

  // Start-up and quit.
  void FormCreate(TObject* sender);
  void BtnQuitClick(TObject* sender);
  void PopQuitClick(TObject* sender);
  // A beep and the warning box with the single button "はい(&Y)".
  void Warn(const std::string& text);

  // Settings file and desktop state, over the records of settings/.
  void LoadSettings();
  void SaveSettings();

  // Changer and tray text, over the schedule of changer/.
  void TimerTimer(TObject* sender);
  void ChangeWallPaper();
  void PopSendClick(TObject* sender);
  void PopRewClick(TObject* sender);
  void PopPauseClick(TObject* sender);
  void SetFreq(std::int32_t value);
  void FreqChange(TObject* sender);
  void FreqViewChange(TObject* sender);
  void UpdateTips();

  // Control rules and commands.
  void UpdateControls();
  void GoToTray();
  void BtnOKClick(TObject* sender);
  void BtnCancelClick(TObject* sender);
  void ColChgBtnClick(TObject* sender);
  void SetBaseClick(TObject* sender);
  void AutoChgClick(TObject* sender);
  void DispTypeClick(TObject* sender);
  void FormPaint(TObject* sender);
  void TaskBarTrayClick(TMouseButton button);

  sorvane::TDispStyle DisplayStyle() const { return sorvane::TDispStyle(DispType->ItemIndex()); }
  sorvane::TChangeOrder ChangeOrder() const { return sorvane::TChangeOrder(ChgMode->ItemIndex()); }

  // The candidate list. Each change goes to the data and to ListBox alike;
  // a selection made here runs no ListBoxClick, as one made from code never
  // does.
  const TCandidateList& Candidates() const { return FCandidates; }
  void AddCandidate(const std::string& path);
  void DeleteCandidate(std::int32_t index);
  void ClearCandidates();
  void SelectCandidate(std::int32_t index);

  // Candidate list editing and preview.
  void ListBoxClick(TObject* sender);
  void DelBtnClick(TObject* sender);
  void ClrBtnClick(TObject* sender);
  void DeleteSelected();
  void ClearPreview();

 protected:
  void CreateComponents() override;
  void WMDropFiles(HDROP drop) override;

 private:
  TCandidateList FCandidates;
};

extern TForm1* Form1;
