// The sound library's quick look for a sound device before it asks SDL's drivers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FSound/SoundDeviceSigns.h"

namespace {

namespace fs = std::filesystem;

const char* const VARIABLES[] = {"SDL_AUDIODRIVER", "AUDIODEV", "PULSE_SERVER", "PIPEWIRE_REMOTE", "HOME",
                                 "XDG_RUNTIME_DIR"};

// A home and a runtime folder of their own, empty, and none of the variables that choose a
// device; everything as it was afterwards.
class SoundDeviceSignsTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : VARIABLES) {
            const char* value = std::getenv(name);
            _saved.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        _root = fs::temp_directory_path() / ("sound-signs-" + std::to_string(getpid()));
        fs::create_directories(_root / "home" / ".config" / "pulse");
        fs::create_directories(_root / "runtime");
        setenv("HOME", (_root / "home").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (_root / "runtime").c_str(), 1);
    }

    void TearDown() override {
        for (const auto& [name, value] : _saved) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
        fs::remove_all(_root);
    }

    static void Touch(const fs::path& path) {
        fs::create_directories(path.parent_path());
        std::ofstream(path).put('\n');
    }

    fs::path _root;
    std::vector<std::pair<std::string, std::optional<std::string>>> _saved;
};

bool MachineHasFixedSigns() {
    for (const char* path : {"/dev/snd", "/etc/asound.conf", "/run/pulse/native", "/var/run/pulse/native"}) {
        struct stat status {};
        if (stat(path, &status) == 0) return true;
    }
    return false;
}

}  // namespace

TEST_F(SoundDeviceSignsTest, AServerSocketAnAlsaFileOrAChosenDriverIsASign) {
    Touch(_root / "runtime" / "pipewire-0");
    EXPECT_TRUE(SoundDeviceSigns::AreThere());
    fs::remove(_root / "runtime" / "pipewire-0");
    Touch(_root / "home" / ".asoundrc");
    EXPECT_TRUE(SoundDeviceSigns::AreThere());
    fs::remove(_root / "home" / ".asoundrc");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(SoundDeviceSigns::AreThere());
}

TEST_F(SoundDeviceSignsTest, PulsesRuntimeLinkCountsOnlyWhileItsSocketIsThere) {
    if (MachineHasFixedSigns()) GTEST_SKIP() << "this machine has a sound device or configuration";
    EXPECT_FALSE(SoundDeviceSigns::AreThere());
    const fs::path socketFolder = _root / "pulse-socket";
    fs::create_directories(socketFolder);
    fs::create_directory_symlink(socketFolder, _root / "home" / ".config" / "pulse" / "0123abcd-runtime");
    EXPECT_FALSE(SoundDeviceSigns::AreThere());
    Touch(socketFolder / "native");
    EXPECT_TRUE(SoundDeviceSigns::AreThere());
}
