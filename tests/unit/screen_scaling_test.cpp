// Design pixels on a screen of another DPI: the rounding of the scaling, and
// a form whose window reports screen pixels while its layout stays in design
// pixels.

#include "platform/application.h"
#include "platform/form.h"
#include "platform/headless/headless_platform.h"
#include "windows/information/informationwindow.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

TEST(ScreenScaling, RoundsAsTheSystemDoesAndComesBackToTheDesign) {
    EXPECT_EQ(toScreen(241, 144), 362);  // 361.5 rounds up
    EXPECT_EQ(toScreen(-3, 144), -5);    // and away from zero below it
    EXPECT_EQ(toScreen(79, 120), 99);    // 98.75
    EXPECT_EQ(toScreen(100, designDpi), 100);
    EXPECT_EQ(toDesign(362, 144), 241);
    for (int dpi : {96, 120, 144, 192}) {
        for (int pixels = -50; pixels <= 700; ++pixels) {
            ASSERT_EQ(toDesign(toScreen(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
        }
    }
}

TEST(ScreenScaling, NeighbouringRectanglesStayNeighbours) {
    // Scaled one by one, 1.5 x 3 and 1.5 x 5 would leave a gap or overlap.
    const Rect first = toScreen(Rect{3, 3, 3, 3}, 144);
    const Rect second = toScreen(Rect{6, 6, 5, 5}, 144);
    EXPECT_EQ(first, (Rect{5, 5, 4, 4}));
    EXPECT_EQ(first.left + first.width, second.left);
    EXPECT_EQ(second, (Rect{9, 9, 8, 8}));
}

// A window at 144 DPI whose frame adds 12 by 40 screen pixels.
class ScaledPeer : public FormPeer {
public:
    void update(FormProperty property) override {
        if (property == FormProperty::Bounds) ++boundsUpdates;
    }
    Size frameExtra() const override { return extra; }
    int dpi() const override { return dpiNow; }

    Size extra{12, 40};
    int dpiNow = 144;
    int boundsUpdates = 0;
};

class ScaledFormTest : public ::testing::Test {
protected:
    HeadlessPlatform headless;
    Application app{headless.platform()};
    ScaledPeer peer;
};

TEST_F(ScaledFormTest, AFormDesignedByItsClientAreaGetsItScaledWithTheFrameAround) {
    Form dialog(app, fixedDialog("Tscaled", 0, "Scaled", {300, 200}), {});
    dialog.attach(&peer);
    EXPECT_EQ(dialog.bounds().width, 450 + 12);
    EXPECT_EQ(dialog.bounds().height, 300 + 40);
    EXPECT_EQ(dialog.clientSize(), (Size{300, 200}));
    EXPECT_EQ(peer.boundsUpdates, 1);

    dialog.setClientSize({300, 79});
    EXPECT_EQ(dialog.bounds().height, 119 + 40);  // 118.5 rounds up
    EXPECT_EQ(dialog.clientSize(), (Size{300, 79}));
}

TEST_F(ScaledFormTest, DesignedOuterBoundsAreScaledAndSavedOnesAreTheScreens) {
    Form main(app, {.name = "Tmain", .bounds = {116, 91, 640, 482}}, {});
    main.attach(&peer);
    EXPECT_EQ(main.bounds(), (Rect{174, 137, 960, 723}));
    EXPECT_EQ(main.designSize(), (Size{640, 482}));

    // A place restored from the settings is taken as the screen gave it.
    main.setBounds({10, 20, 900, 700});
    EXPECT_EQ(main.bounds(), (Rect{10, 20, 900, 700}));
    EXPECT_EQ(main.clientSize(), (Size{592, 440}));  // (900 - 12) / 1.5, (700 - 40) / 1.5
    EXPECT_EQ(main.designSize(), (Size{600, 467}));
}

TEST_F(ScaledFormTest, MovingToAScreenOfAnotherDpiKeepsTheDesignClientArea) {
    Form dialog(app, fixedDialog("Tscaled", 0, "Scaled", {241, 87}), {});
    dialog.attach(&peer);
    int resized = 0;
    dialog.onResize = [&] { ++resized; };
    const Size before = dialog.clientSize();

    peer.dpiNow = 192;
    peer.extra = {16, 52};
    dialog.dpiChanged(before, {30, 40});
    EXPECT_EQ(dialog.bounds(), (Rect{30, 40, 482 + 16, 174 + 52}));
    EXPECT_EQ(dialog.clientSize(), before);
    EXPECT_EQ(resized, 1);  // the layout runs again for the new size
}

TEST_F(ScaledFormTest, TheInformationWindowFoldsToItsButtonsAndUnfoldsToItsMemo) {
    Tcompressinfo info(app);
    info.attach(&peer);
    EXPECT_EQ(info.clientSize(), (Size{241, 87}));
    info.show();
    info.allowOutput(true);
    info["showoutputbutt"].click();
    EXPECT_EQ(info.clientSize(), (Size{241, 176}));
    EXPECT_EQ(info.bounds().height, 264 + 40);
    info["showoutputbutt"].click();
    EXPECT_EQ(info.clientSize(), (Size{241, 79}));
    EXPECT_EQ(info.bounds().height, 119 + 40);
}

}  // namespace
}  // namespace zelvio
