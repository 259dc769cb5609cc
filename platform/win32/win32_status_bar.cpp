#include "platform/win32/win32_status_bar.h"

#include <commctrl.h>

namespace zelvio {

Win32Control::WindowKind Win32StatusBar::windowKind() const {
    // Along the bottom, with no panels; the sizing grip belongs to a sizeable window.
    return {STATUSCLASSNAMEW, CCS_BOTTOM | SBARS_SIZEGRIP};
}

void Win32StatusBar::formResized() { SendMessageW(window(), WM_SIZE, 0, 0); }

}  // namespace zelvio
