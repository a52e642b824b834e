// A hook library that the program test puts into Option's window thread to
// learn whether that thread is a single-threaded COM apartment. It answers
// once, by setting the named event of its finding.
#include <windows.h>
#include <objbase.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeApartment(int code, WPARAM wp, LPARAM lp) {
  static bool answered = false;
  if (code >= 0 && !answered) {
    answered = true;
    // S_FALSE: the thread already was such an apartment. The probe leaves
    // the count as it found it.
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    const char* finding = result == S_FALSE ? "OspreyProbeApartmentSta" : "OspreyProbeApartmentNone";
    if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, finding)) {
      SetEvent(event);
      CloseHandle(event);
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
