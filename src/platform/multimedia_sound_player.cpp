// The sound module: Qt Multimedia playback on the default audio output,
// loaded by MakeSoundPlayer's player at the first sound.
#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/sound_player.h"

namespace brivonce {
namespace {

class MultimediaSoundPlayer : public SoundPlayer {
public:
    bool Capable() override {
        if (m_capable < 0) {
            m_capable = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
        }
        return m_capable == 1;
    }

    void SetFile(const QString& file) override {
        // Always a fresh effect, even for the same name: the user may have
        // chosen a new sound that was copied over the old file, and the effect
        // (with Qt's sample cache) would keep the old one while it lives.
        Stop();
        m_effect.reset();
        m_file = file;
    }

    QString File() const override { return m_file; }

    void Play() override {
        if (!Capable() || m_file.isEmpty() || !QFileInfo(m_file).isFile()) {
            return;
        }
        if (!m_effect) {
            m_effect = std::make_unique<QSoundEffect>();
            m_effect->setSource(QUrl::fromLocalFile(m_file));
            m_effect->setLoopCount(QSoundEffect::Infinite);
        }
        m_effect->play();  // a sound still loading starts once it is loaded
    }

    void Stop() override {
        if (m_effect) {
            m_effect->stop();
        }
    }

    void Beep() override { QApplication::beep(); }

private:
    QString m_file;
    std::unique_ptr<QSoundEffect> m_effect;
    int m_capable = -1;  // -1: not asked yet
};

}  // namespace
}  // namespace brivonce

extern "C" Q_DECL_EXPORT brivonce::SoundPlayer* BrivonceMakeSoundPlayer() {
    return new brivonce::MultimediaSoundPlayer;
}
