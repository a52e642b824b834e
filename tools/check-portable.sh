#!/usr/bin/env bash
# Portable files must not include Win32 headers; Win32 code lives in files
# named ..._win32.* (and in the folders of the outside Windows components).
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(git ls-files '*.c' '*.cc' '*.cpp' '*.h' '*.hpp' | grep -v '_win32\.' \
  | xargs -r grep -lE '#[[:space:]]*include[[:space:]]*[<"](windows|winuser|wingdi|winbase|winreg|shellapi|shlobj|commctrl|commdlg|ole2|olectl|objbase|setupapi|hidsdi|hidclass|dbt|mmsystem|tlhelp32|psapi|winnt|windef|ocidl)\.h' || true)
if [ -n "$bad" ]; then
  echo "Win32 headers in portable files (name them ..._win32.* or move the Win32 part into an adapter):"
  echo "$bad"
  exit 1
fi
echo "portable files: ok"
