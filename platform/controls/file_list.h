#pragma once
// The files of one directory that match a mask, sorted by name without
// regard to letter case. Hidden and system files are left out.

#include "common/filesystem.h"
#include "platform/controls/list_box.h"

#include <string>
#include <vector>

namespace zelvio {

class FileList : public ListBox {
public:
    // The mask comes from the design's filter; "*.*" when it has none.
    FileList(Form& form, ControlDesign design);

    const std::string& directory() const { return directory_; }
    // Shows the files of the directory.
    void setDirectory(std::string directory);
    // Shows the files of the directory from a listing of it just made.
    void setDirectory(std::string directory, std::vector<DirectoryEntry> entries);
    const std::string& mask() const { return mask_; }
    void setMask(std::string mask);
    // Reads the directory again; before any directory was set, the working one.
    void update();

private:
    void showFiles(std::vector<DirectoryEntry> entries);

    std::string directory_;
    std::string mask_;
};

}  // namespace zelvio
