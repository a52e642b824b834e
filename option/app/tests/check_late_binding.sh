#!/usr/bin/env bash
# Option.exe must not bind the common controls, the file dialogs or the shell
# at start: they cost tens of milliseconds there and are bound on first use.
# Usage: check_late_binding.sh <objdump> <Option.exe>
set -euo pipefail
imports=$("$1" -p "$2" | grep -i 'DLL Name:')
grep -qi 'KERNEL32' <<<"$imports" || { echo "no import table read from $2"; exit 1; }
if grep -iE 'DLL Name: (comctl32|comdlg32|shell32)' <<<"$imports"; then
  echo "bound at start (a function missing from cmake/delayload/*.def?)"
  exit 1
fi
echo "bound at start: $(tr -s ' \t' ' ' <<<"$imports" | sed 's/ DLL Name: //' | tr '\n' ' ')"
