#pragma once

// Whether this Linux machine shows any sign of a sound device: an ALSA card, an ALSA
// configuration of its own, a sound server's socket, or a choice made in the environment
// that SDL's drivers read. SDL's drivers take tens of milliseconds (a sound server's
// connection attempts, ALSA's configuration and its scan of every card number) to find out
// that there is none, where these few file checks answer at once.
class SoundDeviceSigns {
public:
    static bool AreThere();
};
