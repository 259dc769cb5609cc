#include "tests/e2e/menu_listing.h"

#include <sstream>

namespace zelvio::e2e {

static void writeItems(std::ostringstream& out, HMENU menu, int depth) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char caption[512] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = sizeof caption - 1;
        if (!GetMenuItemInfoA(menu, position, TRUE, &info)) continue;
        std::string flags;
        if (info.hSubMenu) flags += 'P';
        if (info.fType & MFT_SEPARATOR) flags += 'S';
        if (info.fState & MFS_GRAYED) flags += 'G';
        if (info.fState & MFS_CHECKED) flags += 'C';
        out << depth << '\t' << info.wID << '\t' << (flags.empty() ? "-" : flags) << '\t' << caption << '\n';
        if (info.hSubMenu) writeItems(out, info.hSubMenu, depth + 1);
    }
}

std::string writeMenuListing(HMENU menu) {
    std::ostringstream out;
    writeItems(out, menu, 0);
    return out.str();
}

std::vector<MenuEntry> parseMenuListing(const std::string& listing) {
    std::vector<MenuEntry> entries;
    std::istringstream in(listing);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string depth, id, flags;
        if (!std::getline(fields, depth, '\t') || !std::getline(fields, id, '\t') || !std::getline(fields, flags, '\t'))
            continue;
        MenuEntry entry;
        entry.depth = std::stoi(depth);
        entry.id = static_cast<UINT>(std::stoul(id));
        entry.popup = flags.find('P') != std::string::npos;
        entry.separator = flags.find('S') != std::string::npos;
        entry.grayed = flags.find('G') != std::string::npos;
        entry.checked = flags.find('C') != std::string::npos;
        std::getline(fields, entry.caption);  // the rest, tabs included
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace zelvio::e2e
