#include "LevelPlayer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "LoadedLevel.h"

namespace {

const char* const GAME_LEVEL = "Level02";  // the one level the game loads
const char* const SPRITE_FOLDERS[] = {"Baby", "Misc", "Turret"};

// How the game names one of its files: a backslash after the levels folder.
std::string GameFile(std::string file) {
    file[file.find('/')] = '\\';
    return file;
}

bool Link(const std::filesystem::path& target, const std::filesystem::path& link) {
    std::error_code error;
    std::filesystem::create_symlink(target, link, error);
    if (error) {
        std::fprintf(stderr, "cribblestorm-level play: cannot link %s: %s\n", link.c_str(), error.message().c_str());
    }
    return !error;
}

}  // namespace

LevelPlayer::LevelPlayer(const std::filesystem::path& folder, const std::string& name, const InstalledGame& game)
    : _given(folder), _folder(std::filesystem::absolute(folder)), _name(name), _game(game), _files(folder, name) {}

int LevelPlayer::Play() {
    if (_files.ReportRefusals()) return REFUSED;
    for (const std::string& line : _files.GetUpsideDown()) std::printf("warning: %s\n", line.c_str());
    if (_game.GetProgram().empty()) {
        std::fprintf(stderr, "cribblestorm-level play: the game is not where this tool expects it\n");
        return REFUSED;
    }
    char pattern[] = "/tmp/cribblestorm-play-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::fprintf(stderr, "cribblestorm-level play: cannot make a working folder in /tmp\n");
        return REFUSED;
    }
    const std::filesystem::path work = pattern;
    const int code = _Prepare(work) ? _Run(work) : REFUSED;
    std::error_code error;
    std::filesystem::remove_all(work, error);
    if (code == GAME_FAILED) {
        std::printf("cribblestorm-level play: the game ended with a fatal error; in its report, %s is %s and %s is "
                    "%s\n",
                    GameFile(LoadedLevel::PictureFile(GAME_LEVEL)).c_str(),
                    _Own(LoadedLevel::PictureFile(_name)).c_str(),
                    GameFile(LoadedLevel::DataFile(GAME_LEVEL)).c_str(), _Own(LoadedLevel::DataFile(_name)).c_str());
    }
    return code;
}

// A file of the level as its maker named it: the folder as given.
std::string LevelPlayer::_Own(const std::string& file) const { return (_given / file).lexically_normal().string(); }

bool LevelPlayer::_Prepare(const std::filesystem::path& work) const {
    std::error_code made;
    std::filesystem::create_directory(work / "levels", made);
    for (const char* sprites : SPRITE_FOLDERS) {
        std::error_code error;
        const bool isOwn = std::filesystem::is_directory(_folder / sprites, error);
        if (!Link(isOwn ? _folder / sprites : _game.GetDataFolder() / sprites, work / sprites)) return false;
    }
    return Link(_folder / LoadedLevel::PictureFile(_name), work / LoadedLevel::PictureFile(GAME_LEVEL)) &&
           Link(_folder / LoadedLevel::DataFile(_name), work / LoadedLevel::DataFile(GAME_LEVEL));
}

// The game as a child in the working folder.
int LevelPlayer::_Run(const std::filesystem::path& work) const {
    std::printf("cribblestorm-level play: %s and %s, as the game's %s in %s\n",
                _Own(LoadedLevel::PictureFile(_name)).c_str(), _Own(LoadedLevel::DataFile(_name)).c_str(), GAME_LEVEL,
                work.c_str());
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        char* const argv[] = {const_cast<char*>(_game.GetProgram().c_str()), nullptr};
        if (chdir(work.c_str()) == 0) execv(argv[0], argv);
        std::fprintf(stderr, "cribblestorm-level play: cannot start %s\n", argv[0]);
        std::_Exit(REFUSED);
    }
    // Ctrl+C in the terminal reaches the game too, which closes in order; this waits for it.
    std::signal(SIGINT, SIG_IGN);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return REFUSED;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
