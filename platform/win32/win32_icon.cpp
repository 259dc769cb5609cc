#include "platform/win32/win32_icon.h"

#include "platform/win32/win32_resource_ids.h"

namespace zelvio {

HICON programIcon(bool small) {
    const int width = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int height = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    // Shared: the system keeps it for the life of the program.
    if (auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ZELVIO_ICON), IMAGE_ICON,
                                                  width, height, LR_SHARED))) {
        return icon;
    }
    return static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
}

}  // namespace zelvio
