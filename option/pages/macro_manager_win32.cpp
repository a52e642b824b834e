#include "option/pages/macro_manager_win32.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "option/pages/event_lines.h"
#include "option/pages/event_list_menu.h"
#include "option/pages/menu_tree_win32.h"
#include "option/skin/confirm_dialogs_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_state.h"
#include "settings/macro_store.h"
#include "wingui/gdi_win32.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey {
  kKeyOk = 1,
  kKeyClose = 2,
  kKeyCancel = 3,
  kKeyNew = 4,
  kKeyDelete = 5,
  kKeyMacroList = 6,
  kKeyRecord = 7,
  kKeyDelays = 8,
  kKeyRepeat = 9,
  kKeyRepeatCount = 10,
  kKeyEventList = 11,
  kKeyImport = 12,
  kKeyExport = 13,
};

constexpr int kMacroListId = 4096;
constexpr int kEventListId = 4097;
constexpr int kCountId = 4010;
constexpr int kNameLength = 15;
constexpr int kPauseDigits = 20;
constexpr COLORREF kListBack = RGB(160, 160, 160);
constexpr COLORREF kListHighlight = RGB(230, 30, 30);

const char* const kStartImages[] = {"start_record_normal.jpg", "start_record_over.jpg",
                                    "start_record_down.jpg"};
const char* const kStopImages[] = {"stop_record_normal.jpg", "stop_record_over.jpg",
                                   "stop_record_down.jpg"};
constexpr int kIcons[] = {kIconPause, kIconKeyUp, kIconKeyDown, kIconMouse};

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A .macro file to read or write; empty when the user cancelled.
std::filesystem::path MacroFileDialog(HWND owner, const std::filesystem::path& folder, bool save) {
  static constexpr wchar_t kFilter[] = L"Macro(*.macro)\0*.MACRO\0";
  std::wstring file = (folder / L"config" / L".macro").wstring();
  file.resize(32768);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = L"macro";
  ofn.Flags = save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return {};
  file.resize(wcslen(file.c_str()));
  return std::filesystem::path(file);
}

}  // namespace

CMacroManager::CMacroManager(PageContext& context, const MacroKeyInfo& edited)
    : CSkinDialog("skin_macro_manager.ini"), context_(context), edited_(edited), editor_(context.store) {}

CMacroManager::~CMacroManager() { capture_.Remove(); }

INT_PTR CMacroManager::DoModal(HWND owner) { return CSkinDialog::DoModal(owner); }

void CMacroManager::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(close_, kKeyClose);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(new_, kKeyNew);
  skin.AddButton(delete_, kKeyDelete);
  const Placement list = skin.Place(kKeyMacroList);
  macros_.Create(skin.Dialog(), RectOf(list), kMacroListId);
  // The record button has pictures of its own; the skin's are not cut for it.
  const Placement record = skin.Place(kKeyRecord);
  record_.Create(skin.Dialog(), RectOf(record));
  record_.SetHelpText(record.text);
  skin.AddButton(delays_, kKeyDelays);
  delays_.SetToggleMode(true);
  skin.AddButton(repeat_, kKeyRepeat);
  repeat_.SetToggleMode(true);
  const Placement count = skin.Place(kKeyRepeatCount);
  count_.Create(skin.Dialog(), RectOf(count), kCountId, ES_CENTER | ES_AUTOHSCROLL);
  const Placement events = skin.Place(kKeyEventList);
  events_.Create(skin.Dialog(), RectOf(events), kEventListId);
  skin.AddButton(import_, kKeyImport);
  skin.AddButton(export_, kKeyExport);
}

void CMacroManager::OnInitDialog() {
  menuFont_.Reset(CreateSkinTextFont());
  LoadPictures();
  for (CEditListBox* list : {&macros_, &events_})
    list->SetColors(kListBack, kListHighlight, RGB(0, 0, 0), RGB(255, 255, 255));
  for (int i = 0; i < 4; ++i) events_.SetIcon(kIcons[i], icons_[i].Get());
  count_.SetNumericFilter(true);
  count_.ApplyFont();
  SendMessageA(count_.Hwnd(), EM_LIMITTEXT, 3, 0);
  SetRecordImages(false);
  editor_.SetRecordDelays(false);
  delays_.SetHeldDown(false);
  FillMacroList();
}

void CMacroManager::LoadPictures() {
  SIZE size{};
  for (int i = 0; i < 3; ++i) {
    LoadSkinImage(SkinPath(kStartImages[i]), startImages_[i], size);
    LoadSkinImage(SkinPath(kStopImages[i]), stopImages_[i], size);
  }
  for (int i = 0; i < 4; ++i) LoadSkinImage(SkinPath(EventIconFile(kIcons[i])), icons_[i], size);
}

void CMacroManager::SetRecordImages(bool recording) {
  const CSkinImage* images = recording ? stopImages_ : startImages_;
  const SIZE size = BitmapSize(images[0].Get());
  record_.SetImages(0, 0, size.cx, size.cy, images[0].Get(), images[1].Get(), images[2].Get(),
                    images[0].Get());
}

void CMacroManager::Refresh() {
  if (!IsCreated()) return;
  StopRecording();
  FillMacroList();
}

void CMacroManager::FillMacroList() {
  macros_.Clear();
  std::vector<std::string> names;
  for (int i = 0; i < context_.store.Count(); ++i) {
    const MacroRecord* r = context_.store.Get(i);
    names.emplace_back(r->name, strnlen(r->name, sizeof r->name));
    macros_.Add(names.back(), 0);
  }
  const int line = InitialMacroLine(names, edited_);
  macros_.Select(line);
  LoadSelected();
}

void CMacroManager::LoadSelected() {
  editor_.Load(macros_.Selected());
  ShowRepeat();
  RebuildEvents(-1);
}

void CMacroManager::ShowRepeat() {
  SetWindowTextA(count_.Hwnd(), std::to_string(editor_.RepeatShown()).c_str());
  repeat_.SetHeldDown(editor_.RepeatOn());
}

void CMacroManager::RebuildEvents(int caretLine) {
  events_.Clear();
  const auto lines = BuildEventLines(editor_.Events(), editor_.Count(), SystemKeyboardLayout());
  for (const EventLine& line : lines) events_.Add(line.text, line.value);
  const CaretPlace place = PlaceCaret(caretLine, static_cast<int>(lines.size()));
  if (place.selected < 0) return;
  events_.Select(place.selected);
  events_.ScrollIntoView(place.visible);
}

bool CMacroManager::OnCommandFrom(HWND control, int id, int code) {
  if (!control) {  // the event list's menu
    OnEventCommand(static_cast<unsigned>(id));
    return true;
  }
  if (control == macros_.Hwnd()) {
    if (code == LBN_SELCHANGE && !macros_.Editing()) LoadSelected();
    return true;
  }
  if (control == ok_.Hwnd()) {
    Keep();
  } else if (control == close_.Hwnd() || control == cancel_.Hwnd()) {
    ThrowAway();
  } else if (control == new_.Hwnd()) {
    OnNewMacro();
  } else if (control == delete_.Hwnd()) {
    OnDeleteMacro();
  } else if (control == record_.Hwnd()) {
    OnRecord();
  } else if (control == delays_.Hwnd()) {
    editor_.SetRecordDelays(delays_.HeldDown());
  } else if (control == repeat_.Hwnd()) {
    editor_.SetRepeat(repeat_.HeldDown(), RepeatFromText(WindowText(count_.Hwnd())));
  } else if (control == import_.Hwnd()) {
    Import();
  } else if (control == export_.Hwnd()) {
    Export();
  } else {
    return false;
  }
  return true;
}

// Modal: the caller saves or reloads the store. As a page, where nothing
// ends, the same happens here.
void CMacroManager::Keep() {
  if (!IsPage()) return EndModal(IDOK);
  context_.store.Save(context_.installFolder);
}

void CMacroManager::ThrowAway() {
  if (!IsPage()) return EndModal(IDCANCEL);
  context_.store.Clear();
  context_.store.Load(context_.installFolder);
  FillMacroList();
}

void CMacroManager::OnNewMacro() {
  if (macros_.Editing()) return;
  macros_.BeginNewLine(kNameLength);
}

void CMacroManager::OnNameCommitted(int line) {
  if (line < 0 || line >= macros_.Count()) return;  // left empty: the line went
  const std::string name = Trimmed(macros_.CommittedText());
  bool taken = name.empty();
  for (int i = 0; i < macros_.Count() && !taken; ++i)
    taken = i != line && SameMacroName(macros_.Text(i), name);
  if (taken) {
    macros_.Remove(line);
    macros_.Select(editor_.Current());
    return;
  }
  const int position = context_.store.Create(name);
  macros_.SetText(line, name);
  if (position != line) return FillMacroList();  // the list no longer mirrors the store
  macros_.Select(line);
  LoadSelected();
}

void CMacroManager::OnDeleteMacro() {
  const int line = macros_.Selected();
  if (line >= 0) {
    CDeleteMacroWarnDialog confirm;
    if (confirm.DoModal(Hwnd()) == IDOK) {
      macros_.Remove(line);
      context_.store.Delete(line);
      const int count = macros_.Count();
      macros_.Select(line < count ? line : count - 1);
      LoadSelected();
    }
  }
  PushToButtons();
}

void CMacroManager::PushToButtons() {
  context_.store.PushToProfiles(context_.working);
  if (context_.buttonsChanged) context_.buttonsChanged();
}

void CMacroManager::OnRecord() {
  if (!editor_.HasMacro()) {
    CMacroSetWarnDialog notice;
    notice.DoModal(Hwnd());
  } else if (editor_.Recording()) {
    StopRecording();
  } else {
    editor_.StartFresh();
    events_.Clear();
    StartRecording();
  }
}

void CMacroManager::StartRecording() {
  SetRecordImages(true);
  capture_.Install(Hwnd());
  EnableEditing(false);
  SetFocus(Hwnd());
}

void CMacroManager::StopRecording() {
  if (!editor_.Recording()) return;
  editor_.Stop();
  SetRecordImages(false);
  capture_.Remove();
  EnableEditing(true);
  PushToButtons();
}

// Buttons 1 to 5 (the three that close, new and delete) and the macro list.
void CMacroManager::EnableEditing(bool on) {
  for (CSkinButton* b : {&ok_, &close_, &cancel_, &new_, &delete_}) EnableWindow(b->Hwnd(), on);
  EnableWindow(macros_.Hwnd(), on);
  EnableWindow(events_.Hwnd(), TRUE);
}

void CMacroManager::OnHookKey(int virtualKey, bool released) {
  const auto outcome = editor_.OnKey(virtualKey, released, GetMessageTime(), SystemKeyboardLayout());
  if (outcome == CMacroEditor::KeyOutcome::Ignored) return;
  if (outcome == CMacroEditor::KeyOutcome::Full) StopRecording();
  RebuildEvents(LineOfEvent(editor_.Events(), editor_.Count(), editor_.LastRecorded()));
}

void CMacroManager::OnRepeatCount(bool focusLost) {
  const std::string text = WindowText(count_.Hwnd());
  // A field emptied to type a new number is left alone until it is left.
  if (text.empty() && !focusLost) return;
  bool corrected = false;
  const int count = RepeatFromText(text, &corrected);
  if (corrected) {
    SetWindowTextA(count_.Hwnd(), std::to_string(count).c_str());
    SendMessageA(count_.Hwnd(), EM_SETSEL, 3, 3);
  }
  // The number shown for the record (set when a macro is loaded) changes nothing.
  if (corrected || count != editor_.RepeatShown()) editor_.SetRepeat(repeat_.HeldDown(), count);
}

void CMacroManager::OnEventMenu() {
  if (editor_.Recording()) return;
  POINT at{};
  GetCursorPos(&at);
  ShowMenuTree(Hwnd(), at.x, at.y, menuFont_.Get(), BuildEventListMenu(), context_.caption,
               kEventMenuWidth);
}

void CMacroManager::OnEventCommand(unsigned command) {
  if (editor_.Recording()) return;
  if (!editor_.HasMacro()) {
    CMacroSetWarnDialog notice;
    notice.DoModal(Hwnd());
    return;
  }
  const int line = events_.Selected();
  const uint32_t value = line >= 0 ? events_.Value(line) : 0;
  const int event = line >= 0 ? EventOfLine(value) : -1;
  const bool pause = line >= 0 && IsPauseLine(value);
  auto lineOf = [&](int e) { return LineOfEvent(editor_.Events(), editor_.Count(), e); };

  switch (command) {
    case kCmdRecordBefore:
    case kCmdRecordAfter:
      editor_.StartInserting(event < 0 ? -1 : command == kCmdRecordBefore ? event : event + 1);
      StartRecording();
      return;
    case kCmdInsertPause:
      if (!pause && editor_.InsertPauseBefore(event)) RebuildEvents(lineOf(event));
      return;
    case kCmdEditPause:
      if (!pause) return;
      editedPause_ = event;
      events_.BeginEditLine(kPauseDigits);
      return;
    case kCmdDeleteLine:
      if (line < 0) return;
      if (pause ? editor_.SetPause(event, 0) : editor_.DeleteEvent(event)) RebuildEvents(line);
      return;
    default: break;
  }
  const MouseCommand mouse = MouseCommandOf(command);
  if (mouse.code && editor_.InsertMouse(event, mouse.code, mouse.action))
    RebuildEvents(lineOf(event < 0 ? editor_.Count() - 1 : event));
}

void CMacroManager::OnPauseCommitted(int line) {
  const int event = editedPause_;
  editedPause_ = -1;
  if (event < 0) return;
  const int delay = PauseFromText(events_.CommittedText());
  editor_.SetPause(event, delay);
  events_.SetText(line, PauseText(delay));
}

void CMacroManager::Import() {
  const std::filesystem::path file = MacroFileDialog(Hwnd(), context_.installFolder, false);
  if (file.empty()) return;
  const int position = context_.store.Import(file);
  const MacroRecord* r = context_.store.Get(position);
  if (!r) return;
  const int line = macros_.Add(std::string(r->name, strnlen(r->name, sizeof r->name)), 0);
  macros_.ScrollIntoView(line);
}

void CMacroManager::Export() {
  const int line = macros_.Selected();
  const std::filesystem::path file = MacroFileDialog(Hwnd(), context_.installFolder, true);
  if (!file.empty()) context_.store.Export(line, file);
}

LRESULT CMacroManager::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DRAWITEM: {
      const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (macros_.DrawItem(d) || events_.DrawItem(d)) return TRUE;
      break;
    }
    case MSG_HOOK_KEY: OnHookKey(static_cast<int>(wp), lp != 0); return 0;
    case MSG_LIST_RCLICK:
      if (lp == kEventListId) OnEventMenu();
      return 0;
    case MSG_LIST_EDIT_DONE:
      if (lp == kMacroListId) OnNameCommitted(static_cast<int>(wp));
      if (lp == kEventListId) OnPauseCommitted(static_cast<int>(wp));
      return 0;
    case WM_DESTROY: capture_.Remove(); break;
    default:
      if (msg == BitmapEditKillFocusMessage()) return OnRepeatCount(wp != 0), 0;
      break;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}

bool CMacroManagerPage::Create(HWND parent, const RECT& where) {
  parent_ = parent;
  where_ = where;
  return true;
}

void CMacroManagerPage::Show(bool visible) {
  if (visible && !manager_ && !skinMissing_) {
    manager_ = std::make_unique<CMacroManager>(context_, context_.scratch);
    if (!manager_->CreatePage(parent_, where_.left, where_.top)) {
      skinMissing_ = true;  // reported once
      manager_.reset();
    }
  }
  if (!manager_) return;
  if (!visible) manager_->StopRecording();
  manager_->Show(visible);
}

void CMacroManagerPage::Refresh() {
  if (manager_) manager_->Refresh();
}
