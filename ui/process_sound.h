// The launcher's own sound: the audio session of this process on the
// system's default playback device, which the engine's pages play through
// (this engine plays a page's sound from the browser process). The game
// window mutes it while the boss key hides the game.
#pragma once

#include <windows.h>

#include <optional>

class ProcessSound {
public:
    ProcessSound() = default;
    // Gives back a session it muted.
    ~ProcessSound();
    ProcessSound(const ProcessSound&) = delete;
    ProcessSound& operator=(const ProcessSound&) = delete;

    // Mutes the session; remembers whether it was muted already (by the
    // player, in the system's mixer), so that Restore gives back what the
    // player had. Main thread (COM initialised).
    void Mute();
    // Undoes the last Mute, once. Main thread.
    void Restore();

    // This process's session on the default playback device: whether it is
    // muted, or none when the system has no such device or session.
    static std::optional<bool> IsMuted();
    // Sets it; false when there is no such device or session.
    static bool SetMuted(bool muted);

private:
    // Whether the session was muted before the last Mute; none while
    // nothing is to be restored.
    std::optional<bool> m_mutedBefore;
};
