// The information window: its read-out, status texts and output memo.

#include "program_fixture.h"

#include "common/errors.h"
#include "windows/information/informationwindow.h"

namespace zelvio {
namespace {

// The lit segments of each digit, written the way a data sheet does.
const char* const segmentsOf[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};

class InformationWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().putFile("C:\\mpzelvio.cfg", "ver 1.2\r\nC:\\\r\nC:\\\r\n\r\n\r\n-hq\r\n0\r\n");
        start();
    }
    InformationView info() { return information(); }
    Tcompressinfo& window() { return dynamic_cast<Tcompressinfo&>(ProgramTest::window("Tcompressinfo")); }

    // The lit segments of one digit position, as letters a to g.
    std::string lit(int position) {
        std::string letters;
        for (int segment = 1; segment <= 7; ++segment) {
            if (info()["timer" + std::to_string(position) + std::to_string(segment)].visible()) {
                letters += static_cast<char>('a' + segment - 1);
            }
        }
        return letters;
    }
    // The read-out as "mm:ss"; '?' for a pattern that is no digit.
    std::string readout() {
        std::string text;
        for (int position = 1; position <= 4; ++position) {
            char digit = '?';
            for (int d = 0; d < 10; ++d) {
                if (lit(position) == segmentsOf[d]) digit = static_cast<char>('0' + d);
            }
            text += digit;
            if (position == 2) text += ':';
        }
        return text;
    }
    // Which of the status and source texts show.
    std::string shown() {
        std::string names;
        for (const char* name : {"playingtxt", "recordingtxt", "encodetxt", "waittext", "Cdtxt", "wavtxt"}) {
            if (info()[name].visible()) names += std::string(names.empty() ? "" : " ") + info()[name].text();
        }
        return names;
    }
};

TEST_F(InformationWindowTest, ItStartsHiddenReadingEightyEightEightyEight) {
    EXPECT_FALSE(info().visible());
    EXPECT_TRUE(info().window.design().stayOnTop);
    EXPECT_EQ(info().caption(), "            Mp3 Zelvio Information");
    EXPECT_EQ(info().clientSize(), (Size{241, 87}));
    EXPECT_EQ(readout(), "88:88");
    EXPECT_EQ(shown(), "");
    EXPECT_FALSE(info()["outputmemo"].visible());
    EXPECT_TRUE(info()["timerdot1"].visible());
    EXPECT_TRUE(info()["Shape2"].visible());
}

TEST_F(InformationWindowTest, TheSegmentsSitWhereTheDigitsAre) {
    EXPECT_EQ(info()["timer11"].bounds(), (Rect{81, 17, 9, 3}));
    EXPECT_EQ(info()["timer16"].bounds(), (Rect{78, 18, 3, 11}));
    EXPECT_EQ(info()["timer23"].bounds(), (Rect{90 + 19, 30, 3, 11}));
    EXPECT_EQ(info()["timer34"].bounds(), (Rect{81 + 40, 40, 9, 3}));
    EXPECT_EQ(info()["timer47"].bounds(), (Rect{81 + 58, 28, 9, 3}));
    EXPECT_EQ(info()["timer45"].design().shape, ShapeKind::Ellipse);
    EXPECT_EQ(info()["timer45"].design().backColour, colours::Lime);
    EXPECT_EQ(info()["timer45"].design().penColour, colours::Green);
}

TEST_F(InformationWindowTest, EveryDigitLightsItsOwnSegments) {
    for (int d = 0; d < 10; ++d) {
        window().setdisplay(d * 11, 10 * d + (9 - d), SoundSource::Wave, Activity::None);
        for (int position = 1; position <= 3; ++position) EXPECT_EQ(lit(position), segmentsOf[d]) << d;
        EXPECT_EQ(lit(4), segmentsOf[9 - d]) << d;
    }
}

TEST_F(InformationWindowTest, SourceAndStatusTexts) {
    window().setdisplay(12, 34, SoundSource::Wave, Activity::Playing);
    EXPECT_EQ(readout(), "12:34");
    EXPECT_EQ(shown(), "Playing Wav");

    window().setdisplay(0, 0, SoundSource::Cd, Activity::Recording);
    EXPECT_EQ(readout(), "00:00");
    EXPECT_EQ(shown(), "Rec PLEASE WAIT CD");

    window().setdisplay(5, 7, std::nullopt, std::nullopt);  // neither source nor status changes
    EXPECT_EQ(readout(), "05:07");
    EXPECT_EQ(shown(), "Rec PLEASE WAIT CD");

    window().setdisplay(0, 0, SoundSource::Wave, Activity::Encoding);
    EXPECT_EQ(shown(), "Encode PLEASE WAIT Wav");

    window().setdisplay(100, 255, SoundSource::Cd, Activity::None);
    EXPECT_EQ(readout(), "00:00");
    EXPECT_EQ(shown(), "CD");
}

// The counter's backdrop says in words what shows, for a screen reader.
TEST_F(InformationWindowTest, TheCounterSaysWhatShowsInWords) {
    window().setdisplay(12, 34, SoundSource::Wave, Activity::Playing);
    EXPECT_EQ(info()["Shape1"].text(), "Min 12 Sec 34, Playing, Wav");
    window().setdisplay(7, 5, std::nullopt, Activity::None);
    EXPECT_EQ(info()["Shape1"].text(), "Min 07 Sec 05, Wav");
    window().setdisplay(100, 3, SoundSource::Cd, Activity::None);
    EXPECT_EQ(info()["Shape1"].text(), "Min 00 Sec 03, CD");  // as the digits read
    // "PLEASE WAIT" covers the digits.
    window().setdisplay(0, 0, SoundSource::Wave, Activity::Encoding);
    EXPECT_EQ(info()["Shape1"].text(), "PLEASE WAIT, Encode, Wav");
    window().setdisplay(0, 9, SoundSource::Cd, Activity::Recording);
    EXPECT_EQ(info()["Shape1"].text(), "PLEASE WAIT, Rec, CD");
}

TEST_F(InformationWindowTest, NumbersThatDoNotFitTwoDigitsReadZero) {
    window().setdisplay(-1, -59, SoundSource::Wave, Activity::None);
    EXPECT_EQ(readout(), "00:00");
    window().setdisplay(99, 9, SoundSource::Wave, Activity::None);
    EXPECT_EQ(readout(), "99:09");
}

TEST_F(InformationWindowTest, OutputFoldsTheMemoOutAndInKeepingItsLines) {
    info().show();
    info().outputmemo.addLine("Debug: l3enc temp.wav");
    info()["showoutputbutt"].click();
    EXPECT_TRUE(info()["outputmemo"].visible());
    EXPECT_EQ(info().clientSize().height, 176);  // down to the memo's bottom edge
    info()["showoutputbutt"].click();
    EXPECT_FALSE(info()["outputmemo"].visible());
    EXPECT_EQ(info().clientSize().height, 79);  // down to the buttons' bottom edge
    EXPECT_EQ(info().clientSize().width, 241);

    info()["showoutputbutt"].click();
    info()["donebutt"].click();
    EXPECT_FALSE(info().visible());
    info().show();
    EXPECT_TRUE(info()["outputmemo"].visible());
    EXPECT_EQ(info().outputmemo.lines(), std::vector<std::string>{"Debug: l3enc temp.wav"});
}

// Every control a long operation changes, in every window, back to idle.
TEST_F(InformationWindowTest, AnErrorPutsTheButtonsOfEveryWindowBackToIdle) {
    struct Idle {
        const char* window;
        const char* control;
        bool enabled;
    };
    const Idle idle[] = {
        {"Tcompressinfo", "showoutputbutt", false}, {"Tcompressinfo", "donebutt", true},
        {"TForm1", "recplay", true},                {"TForm1", "recstop", false},
        {"TForm1", "recback", false},               {"TForm1", "recfwd", false},
        {"Tmpvoicerecord", "recordvoicebutt", true}, {"Tmpvoicerecord", "Stopvoicebutt", false},
        {"Tmpvoicerecord", "playvoicebutt", false}, {"Tmpvoicerecord", "Compressvoicebutt", false},
        {"TIndexdata", "Okbutt", true},
    };
    auto dialog = [this]() -> IndexDataView { return indexData(); };
    auto control = [this](const Idle& c) -> Control& {
        for (Form* form : program->app().forms()) {
            if (form->name() == c.window) return (*form)[c.control];
        }
        throw std::logic_error(c.window);
    };
    for (const Idle& c : idle) control(c).setEnabled(!c.enabled);  // the opposite of idle
    dialog().stopbutt.setVisible(true);  // "! STOP !" is hidden, not disabled
    program->app().dispatch([] { throw MediaError("Device not ready"); });
    for (const Idle& c : idle) EXPECT_EQ(control(c).enabled(), c.enabled) << c.control;
    EXPECT_FALSE(dialog().stopbutt.visible());
}

}  // namespace
}  // namespace zelvio
