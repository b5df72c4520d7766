#pragma once

#include <QString>
#include <memory>

namespace brivonce {

// Plays the alarm's wave file in a loop until stopped.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // True when the system has somewhere to play sound; asked once.
    virtual bool Capable() = 0;
    // The file Play() plays; empty for none.
    virtual void SetFile(const QString& file) = 0;
    virtual QString File() const = 0;
    // Starts the file, looping until Stop(). Does nothing when the player is
    // not capable, and nothing (not even a beep) when the file has vanished.
    virtual void Play() = 0;
    // Stops what Play() started; harmless when nothing plays.
    virtual void Stop() = 0;
    // The desktop's default beep, for when there is no sound to play.
    virtual void Beep() = 0;
};

// The program's player. Qt Multimedia and the audio libraries under it are a
// module of their own (brivonce_sound), loaded the first time a sound is to be
// played: a run that never rings does not pay for them at start-up. Without
// the module the player is not capable, and alarms beep.
std::unique_ptr<SoundPlayer> MakeSoundPlayer();

}  // namespace brivonce
