// main of every window test: a QApplication on the offscreen platform, with the screen the
// test names for itself (tests/ui/<name>_test.screen.json) or else a desktop screen of
// 1920 x 1080 (tests/ui/support/desktop.screen.json).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {
std::string ScreenFile(const char* program) {
    std::string name = std::filesystem::path(program).filename().string();
    if (name.rfind("ui_", 0) == 0)
        name.erase(0, 3);
    const std::string own = STRELVAN_SOURCE_DIR "/tests/ui/" + name + ".screen.json";
    if (std::filesystem::exists(own))
        return own;
    return STRELVAN_SOURCE_DIR "/tests/ui/support/desktop.screen.json";
}
} // namespace

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string_view(platform) == "offscreen")
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + ScreenFile(argv[0])).c_str(), 1);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
