// CMainDialog: Option's only top-level window, "Osprey Arena". It hosts the
// pages, selects the profile being edited, opens the function menus of the
// button controls, and applies through Monitor (the rules are COptionCore's).
#pragma once

#include <windows.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "option/app/option_core.h"
#include "option/pages/function_menu.h"
#include "option/pages/option_page_win32.h"
#include "option/pages/page_context.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_menu_win32.h"
#include "settings/captions_win32.h"
#include "settings/macro_store.h"
#include "wingui/gdi_win32.h"

class CMainDialog final : public CSkinDialog, private COptionUi {
 public:
  enum Page { kButtonsPage, kMacrosPage, kLightingPage, kPerformancePage, kDpiPage, kPageCount };

  CMainDialog(std::filesystem::path installFolder, COptionPartners& partners, COptionFiles& files,
              CMacroStore& store, const CCaptions& captions);
  CMainDialog(const CMainDialog&) = delete;
  CMainDialog& operator=(const CMainDialog&) = delete;

  // Loads the settings (the shared block when Monitor runs, else the files).
  void Start(bool monitorRunning);
  // A page plugs in before the dialog opens; it is created in the page
  // rectangle when the dialog is.
  void SetPage(Page page, std::unique_ptr<COptionPage> content);
  COptionCore& Core() { return core_; }
  // What the button and macro pages work on.
  PageContext& Pages() { return pageContext_; }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  void OnShown() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // COptionUi
  void SetApplying(bool on) override;
  void Refresh(unsigned pages) override;
  // No control of the dialog shows the firmware version.
  void ShowFirmware(const std::string&) override {}

  void ShowPage(Page page);
  void RelabelButtons();
  void OpenFunctionMenu(int button);
  void OnFunctionCommand(unsigned command);
  void Import();
  void Export();
  void OpenShell(const std::wstring& target);
  std::filesystem::path ProfileFileDialog(bool save);

  std::filesystem::path folder_;
  CMacroStore& store_;
  const CCaptions& captions_;
  COptionCore core_;
  PageContext pageContext_;

  CSkinButton newName_, import_, export_, editName_;
  std::array<CSkinButton, kProfileCount> profiles_;
  CSkinButton minimise_, close_, ok_, cancel_, apply_;
  std::array<CSkinButton, kMenuButtonCount> buttons_;
  CSkinButton rightHanded_, leftHanded_;
  std::array<CSkinButton, kPageCount> pageSwitches_;
  CSkinButton help_, resetCurrent_, resetAll_, webSite_;
  RECT pageRect_{};

  std::array<std::unique_ptr<COptionPage>, kPageCount> pages_;
  Page visiblePage_ = kButtonsPage;  // the page switched to, shown once painted

  int menuButton_ = -1;     // button whose function menu is open
  MacroKeyInfo scratch_{};  // its record when the menu opened
  CFont menuFont_;
};
