// A page of the main dialog, placed in the page rectangle. The main dialog
// creates its pages when it is created, shows one at a time and has them
// show the working copy again when the profile changed under them.
#pragma once

#include <windows.h>

class COptionPage {
 public:
  virtual ~COptionPage() = default;
  virtual bool Create(HWND parent, const RECT& where) = 0;
  virtual void Show(bool visible) = 0;
  virtual void Refresh() = 0;
};
