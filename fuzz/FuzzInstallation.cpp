#include "FuzzInstallation.h"

#include "app/App.h"
#include "app/Startup.h"
#include "clock/MainWindow.h"
#include "platform/Application.h"
#include "platform/Testing.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fuzz {

namespace {

Installation* made = nullptr;

void removeInstallation()
{
    std::error_code ignored;
    if (made)
        std::filesystem::remove_all(made->root, ignored);
}

} // namespace

const Installation& install()
{
    if (made)
        return *made;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::RuntimeInit();

    char pattern[] = "/tmp/vemra-fuzz-XXXXXX";
    if (!mkdtemp(pattern))
        fail("cannot make a temporary folder");
    made = new Installation{pattern, {}, {}, {}};
    std::atexit(removeInstallation);
    made->resources = made->root + "/vemraViewer/Resources";
    made->dataFolder = made->root + "/vemra-dorat/Payload/VemraDorat.app";
    made->preferencesFile = made->root + "/config/vemraViewer Prefs";
    for (const std::string& folder : {made->resources, made->dataFolder, made->root + "/vemraViewer/bin",
                                      made->root + "/config"})
        std::filesystem::create_directories(folder);

    platform::testing::setExecutableFile(made->root + "/vemraViewer/bin/vemraViewer");
    platform::testing::setPreferencesFolder(made->root + "/config");
    if (App() == nullptr)
        _NewAppInstance();
    return *made;
}

MainWindow& mainWindowOnce()
{
    install();
    static MainWindow* window = mainWindow();
    if (!window)
        fail("no main window");
    return *window;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    if (!file)
        fail("cannot write " + path);
}

void writeFile(const std::string& path, const std::string& text)
{
    writeFile(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

} // namespace fuzz
