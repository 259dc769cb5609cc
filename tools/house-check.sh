#!/usr/bin/env bash
# Only the Win32 backend and the Windows-side test programs may see Windows headers.
set -euo pipefail
cd "$(dirname "$0")/.."

pattern='#[[:space:]]*include[[:space:]]*[<"](windows|winuser|winbase|wingdi|mmsystem|ddeml|commdlg|commctrl|shellapi|shlobj|shlwapi|winnls|winreg|objbase)\.h'
offenders=$(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' '*.hpp' '*.cc' |
    grep -vE '^(platform/win32|tests/e2e|tests/tools)/' |
    xargs -r grep -liE "$pattern" || true)
if [ -n "$offenders" ]; then
    echo "Windows headers outside platform/win32/ and the Windows-side tests:" >&2
    echo "$offenders" >&2
    exit 1
fi
echo "house check: no Windows headers outside platform/win32/ and the Windows-side tests"
