#include "SoundDeviceSigns.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// What SDL's drivers and the libraries under them read from the environment.
const char* const CHOICE_VARIABLES[] = {"SDL_AUDIODRIVER", "AUDIODEV", "PULSE_SERVER", "PIPEWIRE_REMOTE"};
const char* const FIXED_PATHS[] = {"/etc/asound.conf", "/run/pulse/native", "/var/run/pulse/native"};
const char* const RUNTIME_SOCKETS[] = {"/pulse/native", "/pipewire-0"};
// Without a runtime folder, pulse links <machine>-runtime in its configuration folder to
// the folder of its socket, which may be long gone.
const char PULSE_RUNTIME_LINK_END[] = "-runtime";
const char PULSE_SOCKET[] = "/native";

bool Exists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

// A folder holding an entry (other than . and ..) whose name ends with `ending` and that
// holds `inside` (nothing: the entry itself).
bool HasEntry(const std::string& folder, const char* ending, const char* inside) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return false;
    bool found = false;
    const std::size_t endingLength = std::strlen(ending);
    while (const dirent* entry = readdir(directory)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (entry->d_name[0] != '.' && length >= endingLength &&
            std::strcmp(entry->d_name + length - endingLength, ending) == 0 &&
            Exists(folder + "/" + entry->d_name + inside)) {
            found = true;
            break;
        }
    }
    closedir(directory);
    return found;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

bool SoundDeviceSigns::AreThere() {
    for (const char* name : CHOICE_VARIABLES) {
        if (!Variable(name).empty()) return true;
    }
    for (const char* path : FIXED_PATHS) {
        if (Exists(path)) return true;
    }
    if (HasEntry("/dev/snd", "", "")) return true;
    const std::string runtime = Variable("XDG_RUNTIME_DIR");
    for (const char* socket : RUNTIME_SOCKETS) {
        if (!runtime.empty() && Exists(runtime + socket)) return true;
    }
    const std::string home = Variable("HOME");
    return !home.empty() &&
           (Exists(home + "/.asoundrc") || HasEntry(home + "/.config/pulse", PULSE_RUNTIME_LINK_END, PULSE_SOCKET));
}
