#!/usr/bin/env bash
# Checks that a shared library exports every name listed in a file (one per line,
# demangled C++ without parameters or ABI tags, such as "CAirportArray::GetALine" or "GetLineType").
set -euo pipefail
library="$1"
names="$2"
exported=$(nm -D --defined-only -C "$library" | sed -E 's/^[0-9a-f]+ [A-Za-z] //; s/\(.*$//; s/\[abi:[a-z0-9]+\]//g')
missing=0
while IFS= read -r name; do
  [ -z "$name" ] || [ "${name#\#}" != "$name" ] && continue
  if ! grep -qxF -- "$name" <<<"$exported"; then
    echo "missing export: $name"
    missing=1
  fi
done <"$names"
exit $missing
