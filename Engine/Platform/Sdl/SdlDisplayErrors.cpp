#include "SdlDisplayErrors.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include "../../AssertionFailure.h"
#include "SdlState.h"

namespace {

constexpr std::size_t TEXT_SIZE = 256;

// A message box's child process (SDL forks one) inherits the handlers; there a failure
// only ends the box, which its parent then takes as answered.
pid_t handlingProcess = 0;

Display* watchedDisplay = nullptr;  // the display Xlib has been told not to exit for
bool isDisplayLost = false;
char lostDisplayName[TEXT_SIZE];

bool isRequestRefused = false;
XErrorEvent refusal;
char refusalText[TEXT_SIZE];

bool IsOtherProcess() { return getpid() != handlingProcess; }

// Xlib's own next step would be exit(); returning instead makes the failed call return and
// every later call on the dead display do nothing.
void ReturnToCaller(Display* /*display*/, void* /*data*/) {}

void MarkDisplayLost(Display* display) {
    isDisplayLost = true;
    FormatString(lostDisplayName, sizeof(lostDisplayName), "%s", DisplayString(display));
    SdlState& state = TheSdlState();
    state.window = nullptr;  // nothing may draw, switch or hide on the dead display again
    state.isWindowClosed = true;
}

int OnConnectionLost(Display* display) {
    if (IsOtherProcess()) _exit(1);
    MarkDisplayLost(display);
    // Xlib reads its next step before calling here: on a display not yet watched it would
    // exit on return, so the failure is raised at once.
    if (display != watchedDisplay) CheckDisplay();
    return 0;
}

// The server's end of the connection is closed: the server is gone, whether or not Xlib has
// read that far yet (a frame need not make it read).
bool IsConnectionHungUp() {
    if (watchedDisplay == nullptr) return false;
    pollfd connection = {ConnectionNumber(watchedDisplay), POLLRDHUP, 0};
    return poll(&connection, 1, 0) == 1 && (connection.revents & (POLLHUP | POLLRDHUP | POLLERR)) != 0;
}

// A box that meets an error would never appear or answer; the box's process ends instead,
// which cuts the fatal boxes short.
int OnRequestRefused(Display* display, XErrorEvent* error) {
    if (IsOtherProcess()) _exit(1);
    if (isRequestRefused) return 0;
    isRequestRefused = true;
    refusal = *error;
    XGetErrorText(display, error->error_code, refusalText, sizeof(refusalText));
    return 0;
}

}  // namespace

void InstallDisplayErrorHandlers() {
    handlingProcess = getpid();
    XSetIOErrorHandler(OnConnectionLost);
    XSetErrorHandler(OnRequestRefused);
}

void WatchDisplayOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    watchedDisplay = info.info.x11.display;
    XSetIOErrorExitHandler(watchedDisplay, ReturnToCaller, nullptr);
}

void CheckDisplay() {
    if (!isDisplayLost && IsConnectionHungUp()) MarkDisplayLost(watchedDisplay);
    ASSERT_ALL_BUILDS(!isDisplayLost, "The connection to the display \"%s\" was lost.\n", lostDisplayName);
    ASSERT_ALL_BUILDS(!isRequestRefused, "The display refused request %d.%d: %s\n",
                      static_cast<int>(refusal.request_code), static_cast<int>(refusal.minor_code), refusalText);
}

bool IsDisplayLost() { return isDisplayLost; }
