// A window with every kind of control, built through the portable forms on
// the Win32 backend: the visual check of the toolkit. Its buttons show each
// kind of message box in turn and the open-file dialog; what comes back is
// written to the memo.

#include "platform/application.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/file_list.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/memo.h"
#include "platform/form.h"
#include "platform/win32/win32_platform.h"

#include <string>
#include <vector>

namespace zelvio {
namespace {

FormDesign galleryWindowDesign() {
    return {
        .name = "TGallery",
        .caption = "Toolkit gallery",
        .client = {600, 560},
        .centred = true,
        .fontFace = "MS Sans Serif",
        .fontHeight = 11,
    };
}

std::vector<ControlDesign> galleryLayout() {
    using K = ControlKind;
    return {
        {.name = "Frame1", .kind = K::GroupBox, .bounds = {8, 4, 284, 88}, .caption = "A frame"},
        {.name = "frameedit", .kind = K::Edit, .bounds = {12, 20, 230, 21}, .caption = "an edit in the frame",
         .hint = "An edit inside the frame", .parent = "Frame1"},
        {.name = "framebrowse", .kind = K::GlyphButton, .bounds = {248, 19, 22, 22}, .hint = "A glyph button",
         .parent = "Frame1"},
        {.name = "framelabel", .kind = K::Label, .bounds = {12, 52, 0, 0}, .caption = "A label that fits its text",
         .parent = "Frame1"},
        {.name = "readonlyedit", .kind = K::Edit, .bounds = {8, 100, 284, 21}, .caption = "a read-only edit",
         .flags = flags::ReadOnly},
        {.name = "boldbutt", .kind = K::Button, .bounds = {8, 130, 90, 25}, .caption = "&Bold",
         .hint = "A bold button", .flags = flags::Bold},
        {.name = "plainbutt", .kind = K::Button, .bounds = {104, 130, 90, 25}, .caption = "&Hide frame",
         .hint = "Hides and shows the frame"},
        {.name = "disabledbutt", .kind = K::Button, .bounds = {200, 130, 92, 25}, .caption = "Disabled",
         .flags = flags::Disabled},
        {.name = "boxbutt", .kind = K::Button, .bounds = {8, 162, 140, 25}, .caption = "&Message box",
         .hint = "Shows the next kind of message box", .flags = flags::Bold},
        {.name = "openbutt", .kind = K::Button, .bounds = {152, 162, 140, 25}, .caption = "&Open file...",
         .hint = "Shows the open-file dialog"},

        {.name = "blackshape", .kind = K::Shape, .bounds = {300, 4, 292, 100}, .backColour = colours::Black},
        {.name = "yellowlabel", .kind = K::Label, .bounds = {310, 12, 0, 0}, .caption = "Yellow on black",
         .textColour = colours::Yellow, .backColour = colours::Black},
        {.name = "limelabel", .kind = K::Label, .bounds = {310, 32, 0, 0}, .caption = "Lime, bold, 16 pixels",
         .flags = flags::Bold, .textColour = colours::Lime, .backColour = colours::Black, .fontHeight = 16},
        {.name = "aqualabel", .kind = K::Label, .bounds = {310, 56, 0, 0}, .caption = "Aqua underlined",
         .flags = flags::Underline, .textColour = colours::Aqua, .backColour = colours::Black},
        {.name = "fixedlabel", .kind = K::Label, .bounds = {310, 78, 0, 0}, .caption = "Fixed pitch 0123",
         .flags = flags::FixedPitch, .textColour = colours::White, .backColour = colours::Black},
        {.name = "centredlabel", .kind = K::Label, .bounds = {300, 110, 292, 36}, .caption = "A centred label",
         .flags = flags::Centred | flags::Bold, .textColour = colours::Navy, .backColour = colours::Silver},
        {.name = "ellipse1", .kind = K::Shape, .bounds = {300, 152, 90, 40}, .backColour = colours::Red,
         .shape = ShapeKind::Ellipse},
        {.name = "ellipse2", .kind = K::Shape, .bounds = {400, 152, 90, 40}, .shape = ShapeKind::Ellipse},
        {.name = "ellipse3", .kind = K::Shape, .bounds = {500, 152, 90, 40}, .backColour = colours::Yellow,
         .penColour = colours::Blue, .shape = ShapeKind::Ellipse},

        {.name = "Bevel1", .kind = K::Bevel, .bounds = {8, 200, 584, 9}, .bevel = BevelKind::TopLine},
        {.name = "memo1", .kind = K::Memo, .bounds = {8, 212, 380, 180}, .hint = "The gallery's log",
         .flags = flags::VScroll},
        {.name = "Bevel2", .kind = K::Bevel, .bounds = {396, 212, 196, 180}},
        {.name = "bevellabel", .kind = K::Label, .bounds = {404, 220, 0, 0}, .caption = "A label in a lowered frame"},
        {.name = "statuslabel", .kind = K::Label, .bounds = {404, 244, 180, 140}, .caption = "",
         .textColour = colours::Green},

        {.name = "galleryfiles", .kind = K::FileList, .bounds = {8, 400, 280, 130},
         .hint = "A file list: right-click for its pop-up menu", .flags = flags::MultiSelect,
         .popup = "GalleryPopup"},
        {.name = "gallerydrive", .kind = K::DriveBox, .bounds = {296, 400, 150, 21}},
        {.name = "gallerydir", .kind = K::DirectoryList, .bounds = {296, 423, 150, 84}},
        {.name = "galleryfilter", .kind = K::FilterBox, .bounds = {296, 509, 150, 21},
         .filter = "All files (*.*)|*.*|Programs (*.exe)|*.exe"},
        {.name = "gallerylist", .kind = K::ListBox, .bounds = {454, 400, 138, 130}, .hint = "A plain list",
         .flags = flags::Bold},
        {.name = "StatusBar1", .kind = K::StatusBar},
        {.name = "GalleryPopup", .kind = K::PopupMenu},
        {.name = "Open1", .kind = K::MenuItem, .caption = "&Open", .parent = "GalleryPopup"},
        {.name = "N2", .kind = K::MenuItem, .caption = "-", .parent = "GalleryPopup"},
        {.name = "Grayed1", .kind = K::MenuItem, .caption = "&Grayed", .flags = flags::Disabled,
         .parent = "GalleryPopup"},

        {.name = "File1", .kind = K::Menu, .caption = "&File"},
        {.name = "Help1", .kind = K::MenuItem, .caption = "&Help", .parent = "File1", .shortcut = ShortcutKey::F1},
        {.name = "Check1", .kind = K::MenuItem, .caption = "&Checked item", .flags = flags::Checked,
         .parent = "File1"},
        {.name = "Disabled1", .kind = K::MenuItem, .caption = "&Disabled item", .flags = flags::Disabled,
         .parent = "File1"},
        {.name = "N1", .kind = K::MenuItem, .caption = "-", .parent = "File1"},
        {.name = "Exit1", .kind = K::MenuItem, .caption = "E&xit", .parent = "File1"},
        {.name = "View1", .kind = K::Menu, .caption = "&View"},
        {.name = "Status1", .kind = K::MenuItem, .caption = "&Status", .parent = "View1",
         .shortcut = ShortcutKey::F2},
    };
}

struct BoxExample {
    MessageKind kind;
    MessageButtons buttons;
    const char* text;
};

const BoxExample boxExamples[] = {
    {MessageKind::Warning, MessageButtons::Ok, "A warning with OK."},
    {MessageKind::Error, MessageButtons::Ok, "An error with OK."},
    {MessageKind::Information, MessageButtons::Ok, "Some information with OK."},
    {MessageKind::Confirm, MessageButtons::YesNo, "A question with Yes and No?"},
    {MessageKind::Confirm, MessageButtons::YesCancel, "A question with Yes and Cancel?"},
    {MessageKind::PlainError, MessageButtons::Ok, "The plain error box, titled with the application."},
};

class TGallery : public Form {
public:
    explicit TGallery(Application& app) : Form(app, galleryWindowDesign(), galleryLayout()) {
        control<Memo>("memo1").setLines({"Every kind of control, on the Win32 backend.", "Events are written here."});
        (*this)["boxbutt"].onClick = [this] { showNextBox(); };
        (*this)["openbutt"].onClick = [this] { openFile(); };
        (*this)["boldbutt"].onClick = [this] { log("Bold clicked"); };
        (*this)["plainbutt"].onClick = [this] { toggleFrame(); };
        (*this)["framebrowse"].onClick = [this] { log("Glyph button clicked"); };
        (*this)["frameedit"].onExit = [this] { log("Left the edit: " + (*this)["frameedit"].text()); };
        (*this)["Help1"].onClick = [this] { log("Help (F1)"); };
        (*this)["Status1"].onClick = [this] { log("Status (F2)"); };
        (*this)["Check1"].onClick = [this] {
            Control& item = (*this)["Check1"];
            item.setChecked(!item.checked());
            log(item.checked() ? "Checked" : "Unchecked");
        };
        (*this)["Exit1"].onClick = [this] { close(); };
        onActivate = [this] { log("Activated"); };

        auto& files = control<FileList>("galleryfiles");
        auto& directories = control<DirectoryList>("gallerydir");
        control<DriveBox>("gallerydrive").link(directories);
        directories.link(control<DriveBox>("gallerydrive"));
        directories.link(files);
        control<FilterBox>("galleryfilter").link(files);
        files.onDoubleClick = [this, &files](std::size_t item) { log("Double click: " + files.items()[item]); };
        (*this)["Open1"].onClick = [this, &files] {
            log("Pop-up Open: " + std::to_string(files.selectedCount()) + " selected");
        };
        control<ListBox>("gallerylist").setItems({"One", "Two", "Three", "A longer item"});
        onCreate = [&directories] { directories.showCurrent(); };
    }

private:
    void log(const std::string& line) {
        control<Memo>("memo1").addLine(line);
        (*this)["statuslabel"].setText(line);
    }

    void toggleFrame() {
        Control& frame = (*this)["Frame1"];
        frame.setVisible(!frame.visible());
        (*this)["plainbutt"].setText(frame.visible() ? "&Hide frame" : "&Show frame");
    }

    void showNextBox() {
        const BoxExample& example = boxExamples[nextBox_];
        nextBox_ = (nextBox_ + 1) % std::size(boxExamples);
        const MessageResult result = example.kind == MessageKind::PlainError
                                         ? (app().errorBox(example.text), MessageResult::Ok)
                                         : app().messageBox(example.kind, example.text, example.buttons);
        log(std::string("Message box answered ") + resultName(result));
    }

    void openFile() {
        const auto chosen = app().openFileDialog({"Text files|*.txt|All files|*.*", (*this)["frameedit"].text()});
        log(chosen ? "Chosen: " + *chosen : std::string("Open dialog cancelled"));
        if (chosen) (*this)["readonlyedit"].setText(*chosen);
    }

    std::size_t nextBox_ = 0;
};

}  // namespace
}  // namespace zelvio

int main() {
    zelvio::Win32Platform win32;
    zelvio::Application app(win32.platform());
    app.setTitle("Toolkit Gallery");
    zelvio::TGallery gallery(app);
    app.createForm(gallery);
    app.run();
    return 0;
}
