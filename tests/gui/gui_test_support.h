#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

#include "app/application.h"
#include "text/error.h"

namespace brivonce {
class TAgend;
}

namespace brivonce::testing {

// Answers message boxes from a script instead of showing them, and records
// every box asked for.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Box {
        Icon icon;
        QString title;
        QString text;
    };
    QMessageBox::StandardButton Show(QWidget* parent, Icon icon, const QString& title,
                                     const QString& text,
                                     QMessageBox::StandardButtons buttons) override;

    std::deque<QMessageBox::StandardButton> answers;  // default: OK
    QList<Box> shown;
};

class FakeClock : public Clock {
public:
    QDateTime Now() const override { return now; }
    QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(14, 29, 0));
};

class FakeDesktop : public Desktop {
public:
    bool OpenUrl(const QUrl& url) override {
        opened.append(url);
        return opens;
    }
    QList<QUrl> opened;
    bool opens = true;  // false: as if no browser started
};

// Records what the alarm asks of the sound instead of making any.
class FakeSoundPlayer : public SoundPlayer {
public:
    bool Capable() override { return capable; }
    void SetFile(const QString& name) override { file = name; }
    QString File() const override { return file; }
    void Play() override {
        played.append(file);
        playing = true;
    }
    void Stop() override {
        ++stops;
        playing = false;
    }
    void Beep() override { ++beeps; }

    bool capable = true;
    QString file;
    QStringList played;  // the file of every Play()
    int stops = 0;
    int beeps = 0;
    bool playing = false;
};

// Keeps the start-with-the-session state in memory instead of ~/.config.
class FakeAutostart : public Autostart {
public:
    void Enable(const QString& programPath, const QStringList& arguments) override {
        if (!failure.isEmpty()) {
            throw Error(failure.toStdString());
        }
        enabledWith = programPath;
        enabledArguments = arguments;
    }
    void Disable() override {
        if (!failure.isEmpty()) {
            throw Error(failure.toStdString());
        }
        enabledWith.clear();
    }

    QString enabledWith;  // empty: not enabled
    QStringList enabledArguments;
    QString failure;  // when set, every call raises it
};

// The installed printers as a test sets them: none at first.
class FakePrinters : public Printers {
public:
    QStringList Names() const override { return names; }
    QStringList names;
};

// One run of the program on a scratch data folder, with fakes for every
// service. The fakes stay reachable through the raw pointers.
class TestRun {
public:
    explicit TestRun(const QString& dataFolder, bool trayAvailable = true);
    ~TestRun();

    StartResult Start() { return application->Start(); }
    AppContext& context() { return application->context(); }
    AppWindows& windows() { return application->windows(); }

    QString folder;  // the data folder
    ScriptedMessageBoxes* boxes;
    FakeClock* clock;
    FakeDesktop* desktop;
    FakeSoundPlayer* sound;
    FakeAutostart* autostart;
    FakePrinters* printers;
    std::unique_ptr<Application> application;
};

// Makes the current test fail on any Qt warning but those the offscreen
// platform gives for what it cannot do. Call it in init().
void FailOnUnexpectedWarnings();

// The data folder of a window test: missing at the start of every test
// function, so each begins like a first run.
class ScratchDataFolder {
public:
    QString Folder() const { return m_dir.path() + "/data"; }
    // Call in init(): also makes unexpected Qt warnings fail the test.
    void StartTest();

private:
    QTemporaryDir m_dir;
};

// Runs `action` on the next modal window once the current call blocks in it.
void OnNextModal(std::function<void(QWidget*)> action);

// Runs `action` on the first active modal window that `wanted` accepts.
void OnModalWhere(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> action);

// Runs `action` on the next modal window of type T, once the current call
// blocks in it (another window may already be the active modal one).
template <typename T>
void OnModal(std::function<void(T*)> action) {
    OnModalWhere([](QWidget* modal) { return qobject_cast<T*>(modal) != nullptr; },
                 [action](QWidget* modal) { action(qobject_cast<T*>(modal)); });
}

// Starts the program at `now` and shows the agenda as the memo window opens
// it, but without a nested event loop; nullptr when either fails.
TAgend* OpenAgenda(TestRun& run, QDateTime now);

// Writes `bytes` to `folder`/`name`, creating the folder.
void WriteFile(const QString& folder, const QString& name, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

}  // namespace brivonce::testing
