#include "settings/FormPosition.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "settings/clsRegHandler.h"

namespace krv {

void PrintTo(const FormPlacement& placement, std::ostream* os) {
    *os << "{" << placement.Bounds.Left << ", " << placement.Bounds.Top << ", " << placement.Bounds.Width
        << ", " << placement.Bounds.Height << ", state " << static_cast<int>(placement.State) << "}";
}

namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kOptionsKey = "Software\\Tessary\\Karvello\\frmSet";

class FormPositionTest : public ::testing::Test {
protected:
    void Store(const char* name, const char* text) { registry.PutString(HKCU, kOptionsKey, name, text); }
    FormPlacement Load(bool fixedSize, int defaultWidth = 800, int defaultHeight = 600,
                       bool maximize = false) {
        return LoadFormPosition(reg, "frmOptions", fixedSize, defaultWidth, defaultHeight, maximize, current,
                                screen);
    }

    FakeRegistry registry;
    clsRegHandler reg{registry};
    FormPlacement current{{10, 20, 400, 300}, FormWindowState::Normal};
    ScreenInfo screen{{0, 0, 1920, 1040}, {0, 0, 1920, 1080}, 96};
};

TEST_F(FormPositionTest, FiveWindowsHaveShortKeysAndTheRestShareTheProgramKey) {
    EXPECT_EQ(FormPositionKey("frmOrganize"), "Software\\Tessary\\Karvello\\frmOrg");
    EXPECT_EQ(FormPositionKey("frmProperties"), "Software\\Tessary\\Karvello\\frmProp");
    EXPECT_EQ(FormPositionKey("frmPropertiesConfigFile"), "Software\\Tessary\\Karvello\\frmInfo");
    EXPECT_EQ(FormPositionKey("frmOptions"), kOptionsKey);
    EXPECT_EQ(FormPositionKey("frmShortcutsList"), "Software\\Tessary\\Karvello\\frmLST");
    EXPECT_EQ(FormPositionKey("frmAbout"), "Software\\Tessary\\Karvello");
}

TEST_F(FormPositionTest, PlacesAreStoredInTwipsAtTheWindowsDpi) {
    const FormPlacement shown{{200, 100, 640, 480}, FormWindowState::Normal};
    SaveFormPosition(reg, "frmOrganize", false, shown, 144);
    const char* key = "Software\\Tessary\\Karvello\\frmOrg";
    EXPECT_EQ(registry.String(HKCU, key, "L"), "2000");
    EXPECT_EQ(registry.String(HKCU, key, "T"), "1000");
    EXPECT_EQ(registry.String(HKCU, key, "W"), "6400");
    EXPECT_EQ(registry.String(HKCU, key, "H"), "4800");
    EXPECT_EQ(registry.String(HKCU, key, "S"), "0");

    // The same twips open as the same physical size on a 96-dpi screen.
    const FormPlacement loaded = LoadFormPosition(reg, "frmOrganize", false, 0, 0, false, current, screen);
    EXPECT_EQ(loaded, (FormPlacement{{133, 67, 427, 320}, FormWindowState::Normal}));
}

TEST_F(FormPositionTest, AnyMissingValueCentresTheDefaultSize) {
    Store("L", "1500");
    Store("T", "1500");
    Store("W", "6000");
    Store("S", "0"); // "H" missing
    EXPECT_EQ(Load(false), (FormPlacement{{560, 220, 800, 600}, FormWindowState::Normal}));
    EXPECT_EQ(Load(false, 0, 0, true), (FormPlacement{{760, 370, 400, 300}, FormWindowState::Maximized}));
    Store("H", "   "); // blanks count as missing too
    EXPECT_EQ(Load(false).Bounds.Left, 560);
    Store("H", "12x");
    EXPECT_EQ(Load(false).Bounds.Left, 560);
    Store("H", " 4500 ");
    EXPECT_EQ(Load(false), (FormPlacement{{100, 100, 400, 300}, FormWindowState::Normal}));
}

TEST_F(FormPositionTest, StoredStateDecidesWhetherThePlaceIsUsed) {
    Store("L", "1500");
    Store("T", "1500");
    Store("W", "6000");
    Store("H", "4500");
    Store("S", "2");
    EXPECT_EQ(Load(false), (FormPlacement{current.Bounds, FormWindowState::Maximized}));
    Store("S", "1"); // a minimized window opens normal, where it was
    EXPECT_EQ(Load(false), (FormPlacement{{100, 100, 400, 300}, FormWindowState::Normal}));
    Store("S", "7");
    EXPECT_EQ(Load(false).State, FormWindowState::Normal);
}

TEST_F(FormPositionTest, FixedSizeWindowsKeepOnlyTheirPlace) {
    Store("L", "1500");
    Store("T", "750");
    EXPECT_EQ(Load(true), (FormPlacement{{100, 50, 400, 300}, FormWindowState::Normal}));

    const FormPlacement shown{{30, 40, 999, 999}, FormWindowState::Normal};
    SaveFormPosition(reg, "frmOptions", true, shown, 96);
    EXPECT_EQ(registry.ValueNames(HKCU, kOptionsKey), (std::vector<std::string>{"L", "T"}));
    EXPECT_EQ(registry.String(HKCU, kOptionsKey, "L"), "450");

    // A maximized window stores its state only.
    SaveFormPosition(reg, "frmOrganize", false, {{1, 2, 3, 4}, FormWindowState::Maximized}, 96);
    EXPECT_EQ(registry.ValueNames(HKCU, "Software\\Tessary\\Karvello\\frmOrg"),
              (std::vector<std::string>{"S"}));
}

TEST_F(FormPositionTest, APlaceOutsideEveryMonitorIsNotUsed) {
    Store("L", "-30000"); // on a monitor left of the primary one that is no longer there
    Store("T", "1500");
    Store("W", "6000");
    Store("H", "4500");
    Store("S", "0");
    EXPECT_EQ(Load(false), (FormPlacement{{560, 220, 800, 600}, FormWindowState::Normal}));
    screen.VirtualScreen = {-1920, 0, 3840, 1080};
    EXPECT_EQ(Load(false), (FormPlacement{{-2000, 100, 400, 300}, FormWindowState::Normal}));
    Store("W", "0");
    EXPECT_EQ(Load(false).Bounds.Left, 560);
}

} // namespace
} // namespace krv
