#include "platform/sound_player.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibrary>

namespace brivonce {
namespace {

using MakePlayer = SoundPlayer* (*)();

// The module beside the program (a build tree), where it is installed, or in
// the tree it was built in (the tests' programs live in sub-folders).
std::unique_ptr<SoundPlayer> LoadModule() {
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + "/libbrivonce_sound.so",
        QCoreApplication::applicationDirPath() + "/" BRIVONCE_MODULE_FROM_PROGRAM
                                                 "/libbrivonce_sound.so",
        QStringLiteral(BRIVONCE_BUILD_DIR "/libbrivonce_sound.so"),
    };
    for (const QString& candidate : candidates) {
        QLibrary module(candidate);
        if (auto make = reinterpret_cast<MakePlayer>(module.resolve("BrivonceMakeSoundPlayer"))) {
            return std::unique_ptr<SoundPlayer>(make());  // the module stays loaded
        }
    }
    return nullptr;
}

class LazySoundPlayer : public SoundPlayer {
public:
    bool Capable() override { return Loaded() && m_player->Capable(); }

    void SetFile(const QString& file) override {
        m_file = file;
        if (m_player) {
            m_player->SetFile(file);
        }
    }

    QString File() const override { return m_file; }

    void Play() override {
        if (Capable()) {
            m_player->Play();
        }
    }

    void Stop() override {
        if (m_player) {
            m_player->Stop();
        }
    }

    void Beep() override { QApplication::beep(); }

private:
    bool Loaded() {
        if (!m_tried) {
            m_tried = true;
            m_player = LoadModule();
            if (m_player) {
                m_player->SetFile(m_file);
            }
        }
        return m_player != nullptr;
    }

    QString m_file;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_tried = false;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakeSoundPlayer() {
    return std::make_unique<LazySoundPlayer>();
}

}  // namespace brivonce
