#include "option/pages/edit_list_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include "option/skin/control_messages.h"

namespace {

constexpr int kItemHeight = 18;
constexpr int kIconLeft = 5;
constexpr int kIconTop = 2;
constexpr int kTextLeft = kIconLeft + 16;

}  // namespace

CEditListBox::~CEditListBox() {
  if (list_) DestroyWindow(list_);
}

bool CEditListBox::Create(HWND parent, const RECT& r, int id) {
  id_ = id;
  list_ = CreateWindowExA(0, "LISTBOX", "",
                          WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                              LBS_NOINTEGRALHEIGHT,
                          r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                          nullptr);
  if (!list_) return false;
  SendMessageA(list_, LB_SETITEMHEIGHT, 0, kItemHeight);
  SetWindowSubclass(list_, ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
  font_.Reset(CreateFontA(12, 0, 0, 0, 300, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Eurostile"));
  SetColors(back_, highlight_, text_, highlightText_);
  return true;
}

void CEditListBox::SetColors(COLORREF back, COLORREF highlight, COLORREF text,
                             COLORREF highlightText) {
  back_ = back;
  highlight_ = highlight;
  text_ = text;
  highlightText_ = highlightText;
  backBrush_.Reset(CreateSolidBrush(back_));
  if (list_) InvalidateRect(list_, nullptr, TRUE);
}

void CEditListBox::SetIcon(int icon, HBITMAP picture) {
  const SIZE size = BitmapSize(picture);
  Icon entry{picture, CBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr)), size};
  if (!picture || !entry.mask) return;
  // Black is transparent: those pixels become white (keep) in the mask.
  CMemoryDC source(CreateCompatibleDC(nullptr)), mask(CreateCompatibleDC(nullptr));
  if (!source || !mask) return;
  CSelectObject pick(source.Get(), picture);
  CSelectObject into(mask.Get(), entry.mask.Get());
  SetBkColor(source.Get(), RGB(0, 0, 0));
  BitBlt(mask.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
  icons_[icon] = std::move(entry);
}

void CEditListBox::Clear() {
  if (Editing()) Drop();
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
}

int CEditListBox::Add(const std::string& text, uint32_t value) {
  const int line = static_cast<int>(SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (line >= 0) SendMessageA(list_, LB_SETITEMDATA, line, value);
  return line;
}

void CEditListBox::Remove(int line) { SendMessageA(list_, LB_DELETESTRING, line, 0); }

int CEditListBox::Count() const { return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)); }

std::string CEditListBox::Text(int line) const {
  const LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, line, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list_, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void CEditListBox::SetText(int line, const std::string& text) {
  if (line < 0 || line >= Count()) return;
  const uint32_t value = Value(line);
  const bool selected = Selected() == line;
  SendMessageA(list_, LB_DELETESTRING, line, 0);
  SendMessageA(list_, LB_INSERTSTRING, line, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(list_, LB_SETITEMDATA, line, value);
  if (selected) Select(line);
}

uint32_t CEditListBox::Value(int line) const {
  const LRESULT value = SendMessageA(list_, LB_GETITEMDATA, line, 0);
  return value == LB_ERR ? 0 : static_cast<uint32_t>(value);
}

int CEditListBox::Selected() const { return static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)); }

void CEditListBox::Select(int line) { SendMessageA(list_, LB_SETCURSEL, line, 0); }

void CEditListBox::ScrollIntoView(int line) {
  if (line < 0 || line >= Count()) return;
  RECT client{};
  GetClientRect(list_, &client);
  const int visible = (client.bottom / kItemHeight) > 0 ? client.bottom / kItemHeight : 1;
  const int top = static_cast<int>(SendMessageA(list_, LB_GETTOPINDEX, 0, 0));
  if (line < top)
    SendMessageA(list_, LB_SETTOPINDEX, line, 0);
  else if (line >= top + visible)
    SendMessageA(list_, LB_SETTOPINDEX, line - visible + 1, 0);
}

void CEditListBox::BeginNewLine(int maxChars) {
  if (Editing()) return;
  const int line = Add("", 0);
  if (line < 0) return;
  newLine_ = true;
  ScrollIntoView(line);
  OpenEdit(line, 0, WS_BORDER | ES_AUTOHSCROLL, maxChars, false);
}

void CEditListBox::BeginEditLine(int maxChars) {
  const int line = Selected();
  if (Editing() || line < 0) return;
  newLine_ = false;
  ScrollIntoView(line);
  OpenEdit(line, kTextLeft - 2, WS_BORDER | ES_AUTOHSCROLL | ES_NUMBER, maxChars, true);
}

void CEditListBox::OpenEdit(int line, int left, DWORD style, int maxChars, bool selectAll) {
  RECT item{};
  SendMessageA(list_, LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&item));
  const std::string text = Text(line);
  if (!edit_) {
    edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | style, 0, 0, 0, 0, list_, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!edit_) return;
    SetWindowSubclass(edit_, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  SetWindowLongA(edit_, GWL_STYLE, WS_CHILD | style);
  SetWindowTextA(edit_, text.c_str());
  SendMessageA(edit_, EM_LIMITTEXT, maxChars, 0);
  SetWindowPos(edit_, HWND_TOP, item.left + left, item.top, item.right - item.left - left,
               item.bottom - item.top, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
  editLine_ = line;
  returnPressed_ = false;
  SetFocus(edit_);
  SendMessageA(edit_, EM_SETSEL, selectAll ? 0 : text.size(), -1);
}

std::string CEditListBox::EditText() const {
  const int length = GetWindowTextLengthA(edit_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(edit_, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void CEditListBox::Commit() {
  const int line = editLine_;
  if (line < 0) return;
  editLine_ = -1;  // first: hiding the box takes its focus away again
  committed_ = EditText();
  const bool hadFocus = GetFocus() == edit_;
  ShowWindow(edit_, SW_HIDE);
  if (committed_.empty() && newLine_) {
    Remove(line);
  } else {
    SetText(line, committed_);
    Select(line);
  }
  if (hadFocus) SetFocus(list_);
  PostMessageA(GetParent(list_), MSG_LIST_EDIT_DONE, static_cast<WPARAM>(line), id_);
}

void CEditListBox::Drop() {
  const int line = editLine_;
  if (line < 0) return;
  editLine_ = -1;
  const bool hadFocus = GetFocus() == edit_;
  ShowWindow(edit_, SW_HIDE);
  if (newLine_) Remove(line);
  if (hadFocus) SetFocus(list_);
}

void CEditListBox::DrawIcon(HDC dc, const Icon& icon, int x, int y) const {
  CMemoryDC source(CreateCompatibleDC(dc));
  if (!source) return;
  CSelectObject mask(source.Get(), icon.mask.Get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, icon.size.cx, icon.size.cy, source.Get(), 0, 0, SRCAND);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  CSelectObject picture(source.Get(), icon.picture);
  // Transparent pixels are black: OR-ing them leaves the background.
  BitBlt(dc, x, y, icon.size.cx, icon.size.cy, source.Get(), 0, 0, SRCPAINT);
}

bool CEditListBox::DrawItem(const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_LISTBOX || d.hwndItem != list_) return false;
  if (d.itemID == static_cast<UINT>(-1)) return true;
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  CBrush fill(CreateSolidBrush(selected ? highlight_ : back_));
  FillRect(d.hDC, &d.rcItem, fill.Get());
  const int icon = static_cast<int>(d.itemData & 0xFFFF);
  if (const auto it = icons_.find(icon); icon != 0 && it != icons_.end())
    DrawIcon(d.hDC, it->second, d.rcItem.left + kIconLeft, d.rcItem.top + kIconTop);
  const std::string text = Text(static_cast<int>(d.itemID));
  CSelectObject font(d.hDC, font_.Get());
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, selected ? highlightText_ : text_);
  RECT r{d.rcItem.left + kTextLeft, d.rcItem.top, d.rcItem.right - 2, d.rcItem.bottom};
  DrawTextA(d.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  return true;
}

LRESULT CALLBACK CEditListBox::ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self) {
  return reinterpret_cast<CEditListBox*>(self)->OnListMessage(hwnd, msg, wp, lp);
}

LRESULT CALLBACK CEditListBox::EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self) {
  return reinterpret_cast<CEditListBox*>(self)->OnEditMessage(hwnd, msg, wp, lp);
}

LRESULT CEditListBox::OnListMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wp), &client, backBrush_.Get());
      return 1;
    }
    case WM_MOUSEWHEEL: {
      const int top = static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0));
      const int step = GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -1 : 1;
      if (top + step >= 0) SendMessageA(hwnd, LB_SETTOPINDEX, top + step, 0);
      return 0;
    }
    case WM_RBUTTONDOWN: {
      if (Editing()) Commit();
      const LRESULT hit = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, lp);
      const int line = LOWORD(hit);
      if (!HIWORD(hit) && line != Selected()) {
        Select(line);
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id_, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hwnd));
      }
      PostMessageA(GetParent(hwnd), MSG_LIST_RCLICK, 0, id_);
      return 0;
    }
    case WM_NCDESTROY: {
      RemoveWindowSubclass(hwnd, ListProc, 1);
      list_ = nullptr;
      edit_ = nullptr;  // a child: gone with the list
      editLine_ = -1;
      return DefSubclassProc(hwnd, msg, wp, lp);
    }
    default: break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CEditListBox::OnEditMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) return Drop(), 0;
      if (wp == VK_RETURN) return returnPressed_ = true, 0;  // commits when released
      break;
    case WM_KEYUP:
      // Only a press made here: the release of the Enter that chose a menu
      // entry opening this box must not commit it at once.
      if (wp == VK_RETURN && returnPressed_) return Commit(), 0;
      break;
    case WM_CHAR:
      if (wp == '\r' || wp == 27) return 0;
      break;
    case WM_KILLFOCUS:
      if (Editing()) Commit();
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, EditProc, 1); break;
    default: break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}
