// Every window of both programs as a screen reader and a keyboard user meet
// it: each control that takes the focus has a name by Windows' own rule, and
// no two letters of one window take the same key.

#include "app/installerprogram.h"
#include "program_fixture.h"

#include <cctype>
#include <map>

namespace zelvio {
namespace {

bool isField(ControlKind kind) {
    using K = ControlKind;
    return kind == K::Edit || kind == K::Memo || kind == K::ListBox || kind == K::FileList ||
           kind == K::DirectoryList || kind == K::DriveBox || kind == K::FilterBox;
}

// The letter "&" marks in a caption, small; 0 when it marks none ("&&" is an "&").
char mnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

// The windows stack in the layout's order, frames and shapes behind the
// rest: the control just before another in the stack, as Windows looks for
// a field's label, is the one before it in the layout among those.
const Control* stackedBefore(const Form& form, const Control& control) {
    using K = ControlKind;
    const Control* before = nullptr;
    for (const auto& other : form.controls()) {
        if (other.get() == &control) return before;
        const ControlDesign& d = other->design();
        if (d.ownsWindow() && d.kind != K::GroupBox && d.kind != K::Bevel && d.kind != K::Shape) before = other.get();
    }
    return nullptr;
}

// What a screen reader calls the control; empty when nothing names it.
std::string spokenName(const Form& form, const Control& control) {
    const ControlDesign& design = control.design();
    if (!design.accessibleName.empty()) return design.accessibleName;
    if (!isField(design.kind)) return !design.caption.empty() ? design.caption : design.hint;
    const Control* label = stackedBefore(form, control);
    return label != nullptr && label->kind() == ControlKind::Label ? label->design().caption : "";
}

class AccessibleLayoutTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        start();
        installer = std::make_unique<InstallerProgram>(headless.platform());
    }
    std::vector<const Form*> everyWindow() const {
        std::vector<const Form*> forms(program->app().forms().begin(), program->app().forms().end());
        for (const Form* form : installer->app().forms()) forms.push_back(form);
        return forms;
    }

    std::unique_ptr<InstallerProgram> installer;
};

TEST_F(AccessibleLayoutTest, EveryControlThatTakesTheFocusHasAName) {
    int named = 0;
    for (const Form* form : everyWindow()) {
        for (const auto& control : form->controls()) {
            if (!control->design().ownsWindow() || !control->takesFocus()) continue;
            EXPECT_FALSE(spokenName(*form, *control).empty()) << form->name() << " " << control->name();
            ++named;
        }
    }
    EXPECT_GT(named, 80);
}

TEST_F(AccessibleLayoutTest, NoTwoLettersOfAWindowTakeTheSameKey) {
    for (const Form* form : everyWindow()) {
        std::map<char, std::string> taken;
        for (const auto& control : form->controls()) {
            const ControlDesign& design = control->design();
            // The menu bar's own letters and those of the windows on the form share the Alt key.
            const bool sharesAlt = design.ownsWindow() || design.kind == ControlKind::Menu;
            const char letter = sharesAlt ? mnemonicOf(design.caption) : 0;
            if (letter == 0) continue;
            EXPECT_TRUE(taken.emplace(letter, design.name).second)
                << form->name() << ": " << design.name << " and " << taken[letter] << " both take Alt+" << letter;
        }
    }
}

// The names the layouts give where no label or caption is there to read.
TEST_F(AccessibleLayoutTest, ListsAndBoxesWithoutALabelAreNamedForWhatTheyHold) {
    const Form& main = window("TForm1");
    EXPECT_EQ(spokenName(main, main["recfilelist"]), "Files To Encode");
    EXPECT_EQ(spokenName(main, main["mpsonglist"]), "Songs");
    EXPECT_EQ(spokenName(main, main["mp3drive"]), "Mp3 drive");
    EXPECT_EQ(spokenName(main, main["recfilter"]), "Wave file types");
    const Form& settings = window("Tmpconfig");
    EXPECT_EQ(spokenName(settings, settings["encoderedit"]), "Mp3 Encoder");
    EXPECT_EQ(spokenName(settings, settings["encodeselect"]), "Select Encoder from file list");
    const Form& indexData = window("TIndexdata");
    EXPECT_EQ(spokenName(indexData, indexData["indexedit"]), "Index File");
    EXPECT_EQ(spokenName(indexData, indexData["Lengthedit"]), "Length");
}

}  // namespace
}  // namespace zelvio
