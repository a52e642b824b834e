// CMacroManager: the window in which macros of the store are created,
// deleted, recorded, edited, imported and exported. The same window serves
// as a page of the main dialog (CMacroManagerPage) and as a modal dialog
// (DoModal: IDOK or IDCANCEL; the caller saves or reloads the store). It
// works directly on the store's records and pushes them into the buttons
// when a recording stops and when a macro is deleted.
#pragma once

#include <windows.h>

#include <memory>

#include "option/pages/edit_list_win32.h"
#include "option/pages/key_capture_win32.h"
#include "option/pages/macro_editor.h"
#include "option/pages/option_page_win32.h"
#include "option/pages/page_context.h"
#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_image_win32.h"

class CMacroManager final : public CSkinDialog {
 public:
  // `edited`: the slot of the button being edited; the manager opens on its
  // macro.
  CMacroManager(PageContext& context, const MacroKeyInfo& edited);
  ~CMacroManager() override;

  INT_PTR DoModal(HWND owner);
  // Page form: the macro list again, then the selection and the editor as on
  // opening. A recording stops first.
  void Refresh();
  void StopRecording();
  bool Recording() const { return editor_.Recording(); }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void LoadPictures();
  void FillMacroList();
  void LoadSelected();
  void RebuildEvents(int caretLine);
  void ShowRepeat();
  void OnNewMacro();
  void OnNameCommitted(int line);
  void OnDeleteMacro();
  void OnRecord();
  void StartRecording();
  void SetRecordImages(bool recording);
  void EnableEditing(bool on);
  void OnHookKey(int virtualKey, bool released);
  void OnRepeatCount(bool focusLost);
  void OnEventMenu();
  void OnEventCommand(unsigned command);
  void OnPauseCommitted(int line);
  void Import();
  void Export();
  void Keep();
  void ThrowAway();
  void PushToButtons();

  PageContext& context_;
  const MacroKeyInfo& edited_;
  CMacroEditor editor_;
  CKeyCapture capture_{true};
  int editedPause_ = -1;  // the event whose pause is being edited

  CSkinButton ok_, close_, cancel_, new_, delete_, record_, delays_, repeat_, import_, export_;
  CEditListBox macros_, events_;
  CBitmapEdit count_;
  CSkinImage startImages_[3], stopImages_[3], icons_[4];
  CFont menuFont_;
};

// The macro manager as a page of the main dialog: made, with its pictures,
// when it is first shown. Hiding it stops a recording.
class CMacroManagerPage final : public COptionPage {
 public:
  explicit CMacroManagerPage(PageContext& context) : context_(context) {}
  bool Create(HWND parent, const RECT& where) override;
  void Show(bool visible) override;
  void Refresh() override;
  CMacroManager* Window() const { return manager_.get(); }

 private:
  PageContext& context_;
  HWND parent_ = nullptr;
  RECT where_{};
  bool skinMissing_ = false;
  std::unique_ptr<CMacroManager> manager_;
};
