// The settings dialog: filling, browsing, OK and Cancel.

#include "program_fixture.h"


namespace zelvio {
namespace {

const char* const playerHint =
    "If you do not know how to find the player, the USUAL player name is winplay3.exe. If you have no idea where "
    "you installed it try using the Windows 95 search function by selecting find in your Windows 95 tile bar start "
    "menu";
const char* const encoderHint =
    "If you do not know how to find the encoder, the USUAL encoder name is l3enc.exe. If you have no idea where you "
    "installed it try using the Windows 95 search function by selecting find in your Windows 95 tile bar start menu";
const char* const mixerHint =
    "If you do not know where your mixer is, try the sndvol32.exe file in your main windows 95 directory";

class SettingsDialogTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().putFile("C:\\mpzelvio.cfg",
                     "ver 1.5\r\nC:\\\r\nC:\\\r\nC:\\ENC\\L3ENC.EXE\r\nC:\\PLAY\\WINPLAY3.EXE\r\n-hq\r\n0\r\n"
                     "C:\\RIP\\DAC.EXE\r\n%M %W\r\nC:\\WIN\\SNDVOL32.EXE\r\n0\r\n0\r\n640\r\n480\r\n");
        start();
    }
    SettingsDialogView dialog() { return settingsDialog(); }
    Settings& settings() { return main().settings; }
    // Shows the dialog the way the user opens it, with `script` acting in it.
    void open(std::function<void(Form&)> script) {
        toolkit().whenShownModally("Tmpconfig", std::move(script));
        main()["configbutt"].click();
    }
};

TEST_F(SettingsDialogTest, ItLooksAsDesigned) {
    EXPECT_EQ(dialog().caption(), std::string(35, ' ') + "Mp3 Zelvio Config");
    EXPECT_EQ(dialog().clientSize(), (Size{385, 261}));
    EXPECT_EQ(dialog()["GroupBox1"].text(), "Mp3 Config");
    EXPECT_EQ(dialog()["GroupBox2"].text(), "Other");
    for (const char* field : {"playeredit", "encoderedit", "mixeredit", "daripperedit"}) {
        EXPECT_TRUE(dialog().control<Edit>(field).readOnly()) << field;
    }
    EXPECT_FALSE(dialog().encodeflagedit.readOnly());
    EXPECT_FALSE(dialog().Dacommandedit.readOnly());
    EXPECT_EQ(dialog()["mp3playselect"].hint(), "Select Player from file list");
    EXPECT_EQ(dialog()["encodeselect"].hint(), "Select Encoder from file list");
    EXPECT_EQ(dialog()["mixerSelect"].hint(), "Select Mixer from file list");
    EXPECT_EQ(dialog()["Ripperbutt"].hint(), "Select Da Ripper from File list");
    EXPECT_EQ(dialog()["OKbutt"].text(), "&OK");
    EXPECT_TRUE(dialog()["OKbutt"].design().flags & flags::Bold);
    EXPECT_EQ(dialog()["Cancelbutt"].text(), "&Cancel");
    EXPECT_EQ(main()["configbutt"].hint(), "Config");
}

TEST_F(SettingsDialogTest, EveryShowingFillsAllSixFieldsFromTheSettings) {
    for (const char* opener : {"configbutt", "Setup1"}) {
        SCOPED_TRACE(opener);
        toolkit().whenShownModally("Tmpconfig", [](Form& d) {
            EXPECT_EQ(d["playeredit"].text(), "C:\\PLAY\\WINPLAY3.EXE");
            EXPECT_EQ(d["encoderedit"].text(), "C:\\ENC\\L3ENC.EXE");
            EXPECT_EQ(d["encodeflagedit"].text(), "-hq");
            EXPECT_EQ(d["mixeredit"].text(), "C:\\WIN\\SNDVOL32.EXE");
            EXPECT_EQ(d["daripperedit"].text(), "C:\\RIP\\DAC.EXE");
            EXPECT_EQ(d["Dacommandedit"].text(), "%M %W");
            // Left behind by this showing, forgotten by the next.
            d.control<Edit>("encodeflagedit").type("-typed");
            d["Cancelbutt"].click();
        });
        main()[opener].click();
    }
    EXPECT_EQ(toolkit().modalShows().size(), 2u);
    EXPECT_EQ(settings().encodeflags, "-hq");
}

TEST_F(SettingsDialogTest, OkStoresAllSixFieldsEvenEmptyOnes) {
    toolkit().answerOpenDialog("C:\\NEW\\PLAYER.EXE");
    open([](Form& d) {
        d["mp3playselect"].click();
        d.control<Edit>("encodeflagedit").type("");
        d.control<Edit>("Dacommandedit").type("rip %T");
        d["OKbutt"].click();
    });
    EXPECT_EQ(settings().playerpath, "C:\\NEW\\PLAYER.EXE");
    EXPECT_EQ(settings().encodeflags, "");
    EXPECT_EQ(settings().rippercommand, "rip %T");
    EXPECT_EQ(settings().encoderpath, "C:\\ENC\\L3ENC.EXE");
    EXPECT_EQ(settings().ripperpath, "C:\\RIP\\DAC.EXE");
    EXPECT_EQ(settings().mixerpath, "C:\\WIN\\SNDVOL32.EXE");
    EXPECT_FALSE(dialog().visible());
}

TEST_F(SettingsDialogTest, CancelForgetsWhatWasBrowsed) {
    toolkit().answerOpenDialog("C:\\NEW\\PLAYER.EXE");
    open([](Form& d) {
        d["mp3playselect"].click();
        EXPECT_EQ(d["playeredit"].text(), "C:\\NEW\\PLAYER.EXE");
        d["Cancelbutt"].click();
    });
    EXPECT_EQ(settings().playerpath, "C:\\PLAY\\WINPLAY3.EXE");
    open([](Form& d) {
        EXPECT_EQ(d["playeredit"].text(), "C:\\PLAY\\WINPLAY3.EXE");
        d["Cancelbutt"].click();
    });
}

TEST_F(SettingsDialogTest, BrowsingAFilledFieldOpensTheDialogOnItsFile) {
    toolkit().answerOpenDialog(std::nullopt);
    toolkit().answerOpenDialog("C:\\NEW\\MIX.EXE");
    open([](Form& d) {
        d["encodeselect"].click();  // cancelled
        d["mixerSelect"].click();
        d["OKbutt"].click();
    });
    EXPECT_TRUE(boxes().empty());
    ASSERT_EQ(toolkit().openDialogs().size(), 2u);
    EXPECT_EQ(toolkit().openDialogs()[0].fileName, "C:\\ENC\\L3ENC.EXE");
    EXPECT_EQ(toolkit().openDialogs()[0].filter, "Exe Files (.exe)|*.exe");
    EXPECT_EQ(toolkit().openDialogs()[1].fileName, "C:\\WIN\\SNDVOL32.EXE");
    EXPECT_EQ(settings().encoderpath, "C:\\ENC\\L3ENC.EXE");
    EXPECT_EQ(settings().mixerpath, "C:\\NEW\\MIX.EXE");
}

TEST_F(SettingsDialogTest, AnEmptyFieldShowsItsHintFirstButTheRipperHasNone) {
    settings() = Settings{};
    for (int i = 0; i < 4; ++i) toolkit().answerOpenDialog(std::nullopt);
    open([](Form& d) {
        d["mp3playselect"].click();
        d["encodeselect"].click();
        d["mixerSelect"].click();
        d["Ripperbutt"].click();
        d["OKbutt"].click();
    });
    std::vector<std::string> texts;
    for (const auto& box : boxes()) {
        EXPECT_EQ(box.kind, MessageKind::Information);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{playerHint, encoderHint, mixerHint}));
    EXPECT_EQ(toolkit().openDialogs().size(), 4u);
    for (const auto& request : toolkit().openDialogs()) EXPECT_EQ(request.fileName, "");
}

}  // namespace
}  // namespace zelvio
