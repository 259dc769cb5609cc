// Start-up without settings, the first-run set-up, and the exception handler.

#include "program_fixture.h"

#include "common/errors.h"

namespace zelvio {
namespace {

const char* const firstRunText =
    "Thank you for taking the time to try out MP Zelvio. The next step is setting up the mp3 encoder and player, "
    "next i will bring up the MP Zelvio config. In here you have to tell me where player and encoder are, If you "
    "have not already installed the encoder and player do so now.";

class StartupTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\APPS\\ZELVIO");
        fs().changeDirectory("C:\\APPS\\ZELVIO");
    }
    void cancelSettingsDialog() {
        toolkit().whenShownModally("Tmpconfig", [](Form& dialog) { dialog["Cancelbutt"].click(); });
    }
};

// The program has its eight windows in the order it always had them, the
// main window first. Only the main window's is made at start: every other
// window is hidden until the user opens it, so it gets its window then, once,
// in the order the user opens them.
TEST_F(StartupTest, TheWindowsAreCreatedOnceTheMainWindowFirstTheOthersWhenFirstShown) {
    start();
    std::vector<std::string> names;
    for (Form* form : program->app().forms()) names.push_back(form->name());
    EXPECT_EQ(names, (std::vector<std::string>{"TForm1", "TIndexdata", "Tcompressinfo", "Tmpconfig", "Tmpvoicerecord",
                                               "Trenamedialog", "Tindexeditor", "Tmpzelvioabout"}));
    EXPECT_EQ(program->app().mainForm(), &main().window);
    EXPECT_EQ(program->app().title(), "Mp3 Zelvio");
    EXPECT_EQ(toolkit().title(), "Mp3 Zelvio");
    EXPECT_EQ(main().caption(), "Mp3 Zelvio V 0.93");
    EXPECT_EQ(toolkit().windowsCreated(), std::vector<std::string>{"TForm1"});

    // An error resets every window to idle without making any.
    program->app().dispatch([] { throw InOutError("Disk not ready"); });
    EXPECT_EQ(toolkit().windowsCreated(), std::vector<std::string>{"TForm1"});

    toolkit().whenShownModally("Tmpzelvioabout", [](Form& about) { about["okbutt"].click(); });
    main()["About1"].click();
    main().Voicebutt.click();
    EXPECT_TRUE(recorder().visible());
    EXPECT_TRUE(recorder().recordvoicebutt.enabled());
    EXPECT_FALSE(recorder().Stopvoicebutt.enabled());
    toolkit().whenShownModally("Tmpzelvioabout", [](Form& about) { about["okbutt"].click(); });
    main()["About1"].click();
    EXPECT_EQ(toolkit().windowsCreated(), (std::vector<std::string>{"TForm1", "Tmpzelvioabout", "Tmpvoicerecord"}));
}

TEST_F(StartupTest, AFirstStartWelcomesTheUserAndOpensTheSettingsOnce) {
    start();
    EXPECT_FALSE(main().settingsvalid);
    EXPECT_EQ(main().startdir, "C:\\APPS\\ZELVIO");
    EXPECT_EQ(main().recdir.directory(), "C:\\APPS\\ZELVIO");
    EXPECT_EQ(main().mp3dir.directory(), "C:\\APPS\\ZELVIO");
    EXPECT_TRUE(boxes().empty());

    cancelSettingsDialog();
    main().activated();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].kind, MessageKind::Information);
    EXPECT_EQ(boxes()[0].title, "Information");
    EXPECT_EQ(boxes()[0].text, firstRunText);
    EXPECT_EQ(boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(toolkit().modalShows(), std::vector<std::string>{"Tmpconfig"});
    EXPECT_TRUE(main().settingsvalid);

    // Switching away and back shows nothing again.
    main().activated();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(toolkit().modalShows().size(), 1u);

    // Cancelled or not, the settings are written at close.
    main()["Exit1"].click();
    EXPECT_TRUE(program->app().terminated());
    EXPECT_EQ(fs().fileBytes("C:\\APPS\\ZELVIO\\mpzelvio.cfg"),
              "ver 1.5\r\nC:\\APPS\\ZELVIO\r\nC:\\APPS\\ZELVIO\r\n\r\n\r\n-hq\r\n0\r\n\r\n\r\n\r\n116\r\n91\r\n640\r\n482\r\n");
}

TEST_F(StartupTest, ACorruptFileIsReportedThenTheFirstRunFollows) {
    fs().putFile("C:\\APPS\\ZELVIO\\mpzelvio.cfg", "ver 1.5\r\n\r\n\r\n\r\n\r\n-hq\r\nX\r\n");
    start();
    ASSERT_EQ(errors(), std::vector<std::string>{"'X' is not a valid integer value."});
    EXPECT_EQ(boxes()[0].title, "Mp3 Zelvio");

    toolkit().whenShownModally("Tmpconfig", [](Form& dialog) {
        dialog.control<Edit>("encodeflagedit").type("-br 112");
        dialog["OKbutt"].click();
    });
    main().activated();
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, firstRunText);
    main().requestClose();
    EXPECT_NE(fs().fileBytes("C:\\APPS\\ZELVIO\\mpzelvio.cfg").find("\r\n-br 112\r\n0\r\n"), std::string::npos);
}

TEST_F(StartupTest, TheExceptionHandlerAlwaysAppendsAFullStop) {
    fs().putFile("C:\\APPS\\ZELVIO\\mpzelvio.cfg", "ver 1.2\r\n\r\n\r\n\r\n\r\n-hq\r\n0\r\n");
    start();
    program->app().dispatch([] { throw InOutError("Disk not ready"); });
    program->app().dispatch([] { throw MediaError("The device is busy."); });
    EXPECT_EQ(errors(), (std::vector<std::string>{"Disk not ready.", "The device is busy.."}));
    for (const auto& box : boxes()) {
        EXPECT_EQ(box.title, "Mp3 Zelvio");
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
}

}  // namespace
}  // namespace zelvio
