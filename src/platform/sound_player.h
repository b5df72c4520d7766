#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

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

// Qt Multimedia playback on the default audio output.
class MultimediaSoundPlayer : public SoundPlayer {
public:
    MultimediaSoundPlayer();
    ~MultimediaSoundPlayer() override;

    bool Capable() override;
    void SetFile(const QString& file) override;
    QString File() const override { return m_file; }
    void Play() override;
    void Stop() override;
    void Beep() override;

private:
    QString m_file;
    // Made on first use: building one talks to the audio server, which a run
    // that never rings has no reason to do.
    std::unique_ptr<QSoundEffect> m_effect;
    int m_capable = -1;  // -1: not asked yet
};

std::unique_ptr<SoundPlayer> MakeSoundPlayer();

}  // namespace brivonce
