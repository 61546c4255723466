#pragma once

// What every fuzz target shares: a throw-away installation of the clock in a temporary
// folder, laid out as the real one, and the one main window, opened once and reused.
//   <root>/vemraViewer/bin/vemraViewer     the executable the program believes it is
//   <root>/vemraViewer/Resources/          the catalogues
//   <root>/vemra-dorat/Payload/VemraDorat.app/   photos and clips
//   <root>/config/                         the preferences folder

#include <cstddef>
#include <cstdint>
#include <string>

class MainWindow;

namespace fuzz {

struct Installation {
    std::string root;
    std::string resources;
    std::string dataFolder;
    std::string preferencesFile;
};

// Starts the framework offscreen with a silent audio driver, makes the installation and
// points the framework's executable and preferences folder at it. Call from
// LLVMFuzzerInitialize; the folder is removed when the process ends.
const Installation& install();

// The main window, constructed (catalogues and settings loaded) on the first call.
MainWindow& mainWindowOnce();

// Writes the bytes as the whole file, making its folders; aborts when it cannot.
void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size);
void writeFile(const std::string& path, const std::string& text);

// Stops the run with a message: the fuzzer reports it as a crash, with the input.
[[noreturn]] void fail(const std::string& what);

} // namespace fuzz
