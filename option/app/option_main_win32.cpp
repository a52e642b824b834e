// Option.exe: one instance per user, whose whole life is the main dialog.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "option/app/main_dialog_win32.h"
#include "option/app/option_links_win32.h"
#include "option/pages/button_page_win32.h"
#include "option/pages/dpi_page_win32.h"
#include "option/pages/lighting_page_win32.h"
#include "option/pages/macro_manager_win32.h"
#include "option/pages/performance_page_win32.h"
#include "option/skin/menu_painter_win32.h"
#include "option/skin/skin_state.h"
#include "settings/captions_win32.h"
#include "settings/macro_store.h"
#include "settings/profile_files.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

namespace {

// The shell and the file dialogs expect the thread that opens them to be a
// single-threaded COM apartment.
class CComApartment {
 public:
  CComApartment()
      : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                           COINIT_DISABLE_OLE1DDE))) {}
  ~CComApartment() {
    if (initialised_) CoUninitialize();
  }
  CComApartment(const CComApartment&) = delete;
  CComApartment& operator=(const CComApartment&) = delete;

 private:
  bool initialised_;
};

// Without its skin Option has no window to show: it names the file at fault
// instead of running on unseen.
void ShowSkinFault(const SkinFault& fault) {
  const std::wstring text = L"Option cannot show its window: the skin file\n\n" + fault.file.native() +
                            (fault.missing ? L"\n\nis missing." : L"\n\nis damaged.") +
                            L"\n\nInstalling Osprey Arena again restores it.";
  MessageBoxW(GetActiveWindow(), text.c_str(), names::kOptionFaultTitle, MB_OK | MB_ICONERROR);
}

class COptionApp {
 public:
  int Run() {
    // A second Option ends at once; Monitor is what brings the first forward.
    instance_.Reset(CreateMutexA(nullptr, FALSE, names::kOptionInstanceMutex));
    if (!instance_ || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    const std::filesystem::path folder = InstallFolder();
    SetSkinsFolder(folder / "skins");
    SetSkinFaultHandler(ShowSkinFault);
    int result = 0;
    {
      CComApartment com;
      CCaptions captions(folder);
      CMacroStore store;
      CMonitorPartners partners;
      CFolderFiles files(folder, store);
      CMainDialog dialog(folder, partners, files, store, captions);
      ProfileSet& working = dialog.Core().Working();
      dialog.SetPage(CMainDialog::kButtonsPage, std::make_unique<CButtonPage>(dialog.Pages()));
      dialog.SetPage(CMainDialog::kMacrosPage, std::make_unique<CMacroManagerPage>(dialog.Pages()));
      dialog.SetPage(CMainDialog::kPerformancePage, std::make_unique<CPerformancePage>(working));
      auto lighting = std::make_unique<CLightingPage>(working, [&captions](int id) { return captions.Get(id); });
      auto dpi = std::make_unique<CDpiPage>(working);
      dpi->SetCurrentLevelListener(lighting.get());  // the dialog keeps both as long
      dialog.SetPage(CMainDialog::kLightingPage, std::move(lighting));
      dialog.SetPage(CMainDialog::kDpiPage, std::move(dpi));
      dialog.Start(partners.MonitorRunning());
      result = static_cast<int>(dialog.DoModal(nullptr, names::kOptionTitle));
    }
    RemoveMenuPainter();  // the main dialog installs it once it is shown
    return result;
  }

 private:
  CHandle instance_;  // open while Option runs
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  COptionApp app;
  return app.Run();
}
