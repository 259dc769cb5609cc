// What the Win32 backend paints itself, with the user's high-contrast
// setting on and off: the pixels on the screen, read back from the form.

#include "platform/application.h"
#include "platform/controls/gauge.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zelvio {
namespace {

constexpr wchar_t contrastKey[] = L"Control Panel\\Accessibility\\HighContrast";

// The user's high-contrast flag and colours for this test, put back when it
// goes. The flag goes through SystemParametersInfo where the system takes
// it; Wine takes no change and answers "off" to everyone, so there it goes
// where Windows keeps it, in the registry. Setting the flag tells no window.
class ContrastSetting {
public:
    ~ContrastSetting() {
        setFlag(false);
        restoreColours();
    }

    void setFlag(bool on) {
        const DWORD flags = HCF_AVAILABLE | (on ? HCF_HIGHCONTRASTON : 0);
        HIGHCONTRASTW setting{sizeof(HIGHCONTRASTW), flags, nullptr};
        if (SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof setting, &setting, 0)) return;
        const std::wstring text = std::to_wstring(flags);
        RegSetKeyValueW(HKEY_CURRENT_USER, contrastKey, L"Flags", REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    // As a scheme sets them: SetSysColors tells every window.
    void setColours(const std::vector<int>& indices, const std::vector<COLORREF>& colours) {
        indices_ = indices;
        for (int index : indices) old_.push_back(GetSysColor(index));
        SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data());
    }
    void restoreColours() {
        SetSysColors(static_cast<int>(indices_.size()), indices_.data(), old_.data());
        indices_.clear();
        old_.clear();
    }

private:
    std::vector<int> indices_;
    std::vector<COLORREF> old_;
};

std::vector<ControlDesign> paintedLayout() {
    using K = ControlKind;
    return {
        {.name = "panel", .kind = K::Shape, .bounds = {10, 10, 120, 40}, .backColour = colours::Black,
         .penColour = colours::Grey},
        {.name = "segment", .kind = K::Shape, .bounds = {20, 20, 30, 12}, .backColour = colours::Lime,
         .penColour = colours::Green, .shape = ShapeKind::Ellipse},
        {.name = "state", .kind = K::Label, .bounds = {60, 14, 66, 32}, .caption = "WAIT",
         .flags = flags::Status | flags::Bold, .textColour = colours::Fuchsia, .backColour = colours::Black,
         .fontHeight = 16},
        {.name = "heading", .kind = K::Label, .bounds = {140, 10, 100, 24}, .caption = "HEAD", .flags = flags::Bold,
         .textColour = colours::Navy, .fontHeight = 16},
        {.name = "gauge", .kind = K::Gauge, .bounds = {10, 60, 200, 24}},
        {.name = "stop", .kind = K::GlyphButton, .bounds = {220, 56, 32, 32}, .glyph = Glyph::Stop},
        {.name = "songs", .kind = K::ListBox, .bounds = {10, 100, 200, 60}, .flags = flags::Columns},
    };
}

// What each part shows: a pixel of it, or for a text the colour looked for
// when some pixel has it (CLR_INVALID when none has).
using Colours = std::map<std::string, COLORREF>;

Colours parts(COLORREF panel, COLORREF mark, COLORREF state, COLORREF heading, COLORREF bar, COLORREF rest,
              COLORREF picture) {
    return {{"panel", panel},         {"segment", mark},         {"segment corner", panel},
            {"state back", panel},    {"state text", state},     {"heading text", heading},
            {"gauge bar", bar},       {"gauge rest", rest},      {"stop picture", picture},
            {"chosen row", GetSysColor(COLOR_HIGHLIGHT)},        {"other row", GetSysColor(COLOR_WINDOW)}};
}

Colours design() {
    return parts(RGB(0, 0, 0), RGB(0, 255, 0), RGB(255, 0, 255), RGB(0, 0, 128), RGB(0, 0, 0), RGB(255, 255, 255),
                 RGB(0, 0, 0));
}

// Under high contrast: the counter's panel in the window's colours with its
// state standing out, labels on the face in its text colour, the gauge's bar
// a selection, pictures in the face's text colour.
Colours scheme() {
    return parts(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HOTLIGHT),
                 GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW),
                 GetSysColor(COLOR_BTNTEXT));
}

class Win32ContrastTest : public testing::Test {
protected:
    void SetUp() override {
        app_.createForm(form_);
        form_.control<Gauge>("gauge").setPosition(50);
        form_.control<ListBox>("songs").setItems({"First song", "Second song"});
        form_.control<ListBox>("songs").setItemIndex(0);
        form_.show();
        window_ = FindWindowA("TContrastTest", nullptr);
        ASSERT_NE(window_, nullptr);
    }

    // A control's window, found by its design name as outside tools find it.
    HWND child(const char* name) const {
        for (HWND c = GetWindow(window_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            char found[64] = {};
            const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(c, "Name")));
            if (atom != 0 && GlobalGetAtomNameA(atom, found, sizeof found) && lstrcmpiA(found, name) == 0) return c;
        }
        ADD_FAILURE() << "no control " << name;
        return nullptr;
    }
    // Where a control's client area lies in the form's.
    RECT placeOf(const char* name) const {
        RECT place{};
        GetClientRect(child(name), &place);
        MapWindowPoints(child(name), window_, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    // Paints what is due, then reads the screen's pixels through the form.
    Colours look(const Colours& expected) {
        app_.processMessages();
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = GetDC(window_);
        // From the left or top edge, or back from the right or bottom one.
        const auto at = [dc](const RECT& r, int x, int y) {
            return GetPixel(dc, x < 0 ? r.right + x : r.left + x, y < 0 ? r.bottom + y : r.top + y);
        };
        const auto centre = [&](const RECT& r) { return at(r, (r.right - r.left) / 2, (r.bottom - r.top) / 2); };
        const auto text = [dc](const RECT& r, COLORREF colour) -> COLORREF {
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    if (GetPixel(dc, x, y) == colour) return colour;
                }
            }
            return CLR_INVALID;
        };
        const RECT gauge = placeOf("gauge"), songs = placeOf("songs");
        const int middle = (gauge.bottom - gauge.top) / 2;
        const int row = static_cast<int>(SendMessageW(child("songs"), LB_GETITEMHEIGHT, 0, 0));
        Colours seen = {{"panel", at(placeOf("panel"), 4, -4)},
                        {"segment", centre(placeOf("segment"))},
                        {"segment corner", at(placeOf("segment"), 0, 0)},
                        {"state back", at(placeOf("state"), -2, -2)},
                        {"state text", text(placeOf("state"), expected.at("state text"))},
                        {"heading text", text(placeOf("heading"), expected.at("heading text"))},
                        {"gauge bar", at(gauge, 2, middle)},
                        {"gauge rest", at(gauge, -3, middle)},
                        {"stop picture", centre(placeOf("stop"))},
                        {"chosen row", at(songs, -4, row / 2)},
                        {"other row", at(songs, -4, row + row / 2)}};
        ReleaseDC(window_, dc);
        return seen;
    }

    Win32Platform platform_;
    Application app_{platform_.platform()};
    Form form_{app_,
               {.name = "TContrastTest", .caption = "Contrast", .bounds = {300, 40, 0, 0}, .client = {270, 170}},
               paintedLayout()};
    HWND window_ = nullptr;
};

TEST_F(Win32ContrastTest, PaintedControlsTakeTheSchemesColoursWhileHighContrastIsOn) {
    EXPECT_EQ(look(design()), design()) << "before";
    ContrastSetting setting;

    // The setting alone, and Windows' word of it to each top-level window.
    setting.setFlag(true);
    SendMessageW(window_, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(look(scheme()), scheme()) << "high contrast on";

    // A scheme in which no colour is the design's or another part's.
    setting.setColours({COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT},
                       {RGB(16, 0, 64), RGB(255, 255, 192), RGB(255, 224, 0), RGB(48, 48, 48), RGB(224, 255, 224),
                        RGB(0, 224, 255)});
    ASSERT_EQ(GetSysColor(COLOR_WINDOW), RGB(16, 0, 64));
    EXPECT_EQ(look(scheme()), scheme()) << "in the test's scheme";

    // Off again: the word that the colours changed has the setting asked again.
    setting.setFlag(false);
    setting.restoreColours();
    EXPECT_EQ(look(design()), design()) << "high contrast off";
}

}  // namespace
}  // namespace zelvio
