#!/usr/bin/env bash
# Only the Win32 backend, the command.com stand-in, the demo's bridges and the
# Windows-side test and benchmark programs may see Windows headers.
set -euo pipefail
cd "$(dirname "$0")/.."

pattern='#[[:space:]]*include[[:space:]]*[<"](windows|winuser|winbase|wingdi|mmsystem|ddeml|commdlg|commctrl|shellapi|shlobj|shlwapi|winnls|winreg|objbase)\.h'
offenders=$(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' '*.hpp' '*.cc' |
    grep -vE '^(platform/win32|tests/e2e|tests/tools|commandcom|demo|bench)/' |
    xargs -r grep -liE "$pattern" || true)
if [ -n "$offenders" ]; then
    echo "Windows headers outside platform/win32/ and the Windows-side tests:" >&2
    echo "$offenders" >&2
    exit 1
fi
echo "house check: no Windows headers outside platform/win32/ and the Windows-side tests"

# The backend calls only the wide Windows API: an "A" function would turn
# every name outside the ANSI code page into "?". The DDE conversation with
# Program Manager is the one exception: it is in the ANSI code page by design.
narrow=$(grep -nE '[a-z0-9]A\(|\b[A-Z_0-9]+(STRUCT|CLASS|CLASSEX|INFO|FILENAME|DATA)A\b' platform/win32/*.cpp platform/win32/*.h |
    grep -vE 'Dde[A-Za-z]+A\(' || true)
if [ -n "$narrow" ]; then
    echo "ANSI (\"A\") Windows calls in the win32 backend; use the wide forms:" >&2
    echo "$narrow" >&2
    exit 1
fi
echo "house check: the win32 backend calls only the wide Windows API"

# The program's walls: a window is included only by its own folder and by the
# composition roots in app/; the services and everything under them include
# no window and no composition root.
walls=$(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' |
    grep -vE '^(app|tests|bench|fuzz|demo)/' |
    while read -r file; do
        own=$(echo "$file" | sed -nE 's#^(windows/[^/]+)/.*#\1#p')
        { grep -HnE '#[[:space:]]*include[[:space:]]*"(windows|app)/' "$file" || true; } | while IFS= read -r line; do
            target=$(echo "$line" | sed -nE 's#.*"(windows/[^/]+)/.*#\1#p')
            [[ -n $own && $target == "$own" ]] || echo "$line"
        done
    done)
if [ -n "$walls" ]; then
    echo "Includes through the walls (a window only from its own folder and app/, app/ from nowhere else):" >&2
    echo "$walls" >&2
    exit 1
fi
echo "house check: windows are included only by their own folder and the composition roots"

# TagLib stays behind the tag service: only tags/ includes its headers.
taglib=$(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' | grep -v '^tags/' |
    xargs -r grep -lE '#[[:space:]]*include[[:space:]]*[<"]taglib/' || true)
if [ -n "$taglib" ]; then
    echo "TagLib headers outside tags/:" >&2
    echo "$taglib" >&2
    exit 1
fi
echo "house check: TagLib is seen only by the tag service in tags/"

# Services report what happened and take what they need as parameters: none
# sees the application (its boxes, its windows); only the platform, the
# windows and the composition roots do.
services=$(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' |
    grep -vE '^(platform|windows|app|tests|bench|fuzz|demo)/' |
    xargs -r grep -lE '#[[:space:]]*include[[:space:]]*"platform/(application|form|toolkit)\.h"' || true)
if [ -n "$services" ]; then
    echo "Services that see the application, a form or the toolkit:" >&2
    echo "$services" >&2
    exit 1
fi
echo "house check: no service sees the application, a form or the toolkit"
