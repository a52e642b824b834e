// CEditListBox: the macro manager's owner-drawn list with in-place editing.
// Lines carry a text and a 32-bit value whose low word names an icon drawn in
// front of the text. The wheel scrolls one line per notch; a right click
// selects the line under the pointer and posts MSG_LIST_RCLICK (0, id) to the
// parent. An edit box opened over a line commits on Enter (released) or when
// it loses the focus: the line takes its text (a new line goes when it is
// left empty), and MSG_LIST_EDIT_DONE (line, id) is posted to the parent.
// Esc drops a new line and leaves an edited one as it was.
// The parent passes WM_DRAWITEM of the list to DrawItem.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "wingui/gdi_win32.h"

class CEditListBox {
 public:
  CEditListBox() = default;
  CEditListBox(const CEditListBox&) = delete;
  CEditListBox& operator=(const CEditListBox&) = delete;
  ~CEditListBox();

  bool Create(HWND parent, const RECT& rect, int id);
  HWND Hwnd() const { return list_; }
  int Id() const { return id_; }
  void SetColors(COLORREF back, COLORREF highlight, COLORREF text, COLORREF highlightText);
  // The picture of an icon number, black meaning transparent; kept by the caller.
  void SetIcon(int icon, HBITMAP picture);

  void Clear();
  int Add(const std::string& text, uint32_t value);
  void Remove(int line);
  int Count() const;
  std::string Text(int line) const;
  void SetText(int line, const std::string& text);
  uint32_t Value(int line) const;
  int Selected() const;
  void Select(int line);
  void ScrollIntoView(int line);

  // A new empty line at the end with an edit box of at most maxChars on it.
  void BeginNewLine(int maxChars);
  // An edit box on the selected line, right of its icon, digits only.
  void BeginEditLine(int maxChars);
  bool Editing() const { return editLine_ >= 0; }
  // The text of the last commit (an edited line keeps its place even when
  // emptied; only a new line goes).
  const std::string& CommittedText() const { return committed_; }

  bool DrawItem(const DRAWITEMSTRUCT& d);

 private:
  struct Icon {
    HBITMAP picture;
    CBitmap mask;  // white where the picture is black
    SIZE size;
  };
  static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT OnListMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnEditMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void OpenEdit(int line, int left, DWORD style, int maxChars, bool selectAll);
  void Commit();
  void Drop();
  std::string EditText() const;
  void DrawIcon(HDC dc, const Icon& icon, int x, int y) const;

  HWND list_ = nullptr;
  HWND edit_ = nullptr;
  int id_ = 0;
  int editLine_ = -1;
  bool newLine_ = false;
  bool returnPressed_ = false;  // in the open box
  std::string committed_;
  COLORREF back_ = RGB(160, 160, 160), highlight_ = RGB(230, 30, 30);
  COLORREF text_ = RGB(0, 0, 0), highlightText_ = RGB(255, 255, 255);
  CBrush backBrush_;
  CFont font_;
  std::map<int, Icon> icons_;
};
