// main of the window tests: a QApplication on the offscreen platform, in the program's text
// font, with a desktop screen of 1920 x 1080 (support/desktop.screen.json) or the screen
// that the option --screen=<name> names (support/<name>.screen.json: "laptop" is 1366 x 768).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/TextFont.h"

namespace {
std::string ScreenFile(int argc, char** argv) {
    constexpr std::string_view option = "--screen=";
    std::string name = "desktop";
    for (int k = 1; k < argc; ++k)
        if (std::string_view(argv[k]).substr(0, option.size()) == option)
            name = argv[k] + option.size();
    return STRELVAN_SOURCE_DIR "/tests/ui/support/" + name + ".screen.json";
}
} // namespace

int main(int argc, char** argv) {
    const std::string screen = ScreenFile(argc, argv);
    if (!std::filesystem::exists(screen)) {
        std::fprintf(stderr, "No screen file %s\n", screen.c_str());
        return 1;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string_view(platform) == "offscreen")
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).c_str(), 1);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    strelvan::platform::UseTextFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
