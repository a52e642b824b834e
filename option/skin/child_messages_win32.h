// Messages that a parent window receives on behalf of its skinned children
// (text-field colours and changes, owner-drawn menu items). CSkinDialog
// handles them itself; any other window that hosts CBitmapEdit fields or
// shows CSkinMenu menus calls HandleSkinChildMessage first in its window
// procedure and returns result when it answers true.
#pragma once

#include <windows.h>

class CReflectTarget {
 public:
  // Returns true (with result set) when the control handled the message.
  virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;

 protected:
  ~CReflectTarget() = default;
};

void AttachReflectTarget(HWND control, CReflectTarget* target);
void DetachReflectTarget(HWND control);

bool HandleSkinChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
