#include "platform/sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace brivonce {

MultimediaSoundPlayer::MultimediaSoundPlayer() = default;

MultimediaSoundPlayer::~MultimediaSoundPlayer() = default;

bool MultimediaSoundPlayer::Capable() {
    if (m_capable < 0) {
        m_capable = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    }
    return m_capable == 1;
}

void MultimediaSoundPlayer::SetFile(const QString& file) {
    // Always a fresh effect, even for the same name: the user may have chosen
    // a new sound that was copied over the old file, and the effect (with Qt's
    // sample cache) would keep the old one while it lives.
    Stop();
    m_effect.reset();
    m_file = file;
}

void MultimediaSoundPlayer::Play() {
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

void MultimediaSoundPlayer::Stop() {
    if (m_effect) {
        m_effect->stop();
    }
}

void MultimediaSoundPlayer::Beep() {
    QApplication::beep();
}

std::unique_ptr<SoundPlayer> MakeSoundPlayer() {
    return std::make_unique<MultimediaSoundPlayer>();
}

}  // namespace brivonce
