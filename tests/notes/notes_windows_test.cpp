// Post-its and the shopping list through their controls, on a scratch data
// folder.
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "gui/gui_test_support.h"
#include "memo/main_window.h"
#include "notes/notes_windows.h"
#include "notes/postit_window.h"
#include "notes/shopping_list_dialog.h"

using namespace brivonce;
using namespace brivonce::testing;

class NotesWindowsTest : public QObject {
    Q_OBJECT

private:
    ScratchDataFolder m_data;
    QString Folder() const { return m_data.Folder(); }
    QByteArray Ini() const { return ReadFile(Folder() + "/brivonce.ini"); }

    // A run whose memo window has been shown, so the stored notes are back.
    std::unique_ptr<TestRun> Shown() {
        auto run = std::make_unique<TestRun>(Folder());
        run->clock->now = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 7));
        return run->Start() == StartResult::kRunning ? std::move(run) : nullptr;
    }
    static Tpostit* Note(TestRun& run, size_t index) {
        return run.windows().notes->Postits().at(index).get();
    }
    static Tpostit* NewNote(TestRun& run) {
        QTest::mouseClick(run.windows().mainForm->NewBtn, Qt::LeftButton);
        return run.windows().notes->Postits().back().get();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init() { m_data.StartTest(); }

    void closingAsksWhetherToDeleteTheNote() {
        auto run = Shown();
        QVERIFY(run);
        Tpostit* note = NewNote(*run);
        QVERIFY(note->isVisible());
        QCOMPARE(note->windowTitle(), QString("Post-it 1"));
        QCOMPARE(note->pos(), QPoint(10, 10));
        QCOMPARE(note->size(), QSize(175, 200));
        QCOMPARE(note->Memo->font().family(), QString("arial"));
        QCOMPARE(note->Memo->font().pointSize(), 10);
        QCOMPARE(note->Memo->palette().color(QPalette::Base), QColor(Qt::yellow));
        OnNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        note->Police->trigger();
        QCOMPARE(note->TextFont().family(), QString("arial"));  // drawn by a twin, kept
        note->Memo->insertPlainText(QString::fromUtf8("Pâtes"));

        run->boxes->answers = {QMessageBox::No};
        QVERIFY(!note->close());
        QVERIFY(note->isVisible());
        QCOMPARE(run->boxes->shown.last().title, QString("Confirmation"));
        QCOMPARE(run->boxes->shown.last().text,
                 QString::fromUtf8("Voulez-vous supprimer définitivement ce post-it ?"));
        QCOMPARE(ReadFile(Folder() + "/postits/1.txt"), QByteArray("P\xE2tes"));
        QVERIFY(Ini().contains("[postit1]\r\nx=10\r\ny=10\r\nw=175\r\nh=200\r\n"));

        run->boxes->answers = {QMessageBox::Yes};
        QVERIFY(note->close());
        QVERIFY(!note->isVisible());
        QVERIFY(!QFile::exists(Folder() + "/postits/1.txt"));
        QVERIFY(!Ini().contains("postit1"));
        QCOMPARE(NewNote(*run)->windowTitle(), QString("Post-it 2"));  // 1 is not given again
    }

    void notesComeBackWithTextFontColoursScrollBarsAndPlace() {
        auto run = Shown();
        QVERIFY(run);
        Tpostit* note = NewNote(*run);
        NewNote(*run);
        QTest::keyClicks(note->Memo, "Acheter");
        note->Lesdeux1->trigger();
        OnNextModal([](QWidget* dialog) {
            QFont font("Liberation Serif", 14);
            font.setBold(true);
            dialog->findChild<QFontDialog*>("FontChoice")->setCurrentFont(font);
            auto* colours = dialog->findChild<QComboBox*>("ColourList");
            colours->setCurrentIndex(colours->findText("Rouge"));
            static_cast<QDialog*>(dialog)->accept();
        });
        note->Police->trigger();
        OnNextModal([](QWidget* dialog) {
            static_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(128, 255, 255));
            static_cast<QDialog*>(dialog)->accept();
        });
        note->Couleur1->trigger();
        note->setGeometry(300, 200, 250, 150);
        run.reset();  // the end of the program saves every note, asking nothing

        run = Shown();
        QVERIFY(run);
        QCOMPARE(run->windows().notes->Postits().size(), size_t(2));
        note = Note(*run, 0);
        QCOMPARE(note->Text(), QString("Acheter"));
        QCOMPARE(note->TextFont().family(), QString("Liberation Serif"));
        QCOMPARE(note->TextFont().pointSize(), 14);
        QVERIFY(note->TextFont().bold());
        QCOMPARE(note->Memo->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(note->Memo->palette().color(QPalette::Base), QColor(128, 255, 255));
        QVERIFY(note->Lesdeux1->isChecked());
        QCOMPARE(note->Memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(note->Memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(note->geometry(), QRect(300, 200, 250, 150));
        QCOMPARE(Note(*run, 1)->windowTitle(), QString("Post-it 2"));
        QCOMPARE(Note(*run, 1)->Text(), QString());  // an empty note comes back
        QCOMPARE(NewNote(*run)->Number(), 3);
    }

    void keysAndAnUnknownScrollBarValue() {
        WriteFile(Folder() + "/postits", "1.txt", "ab\r\ncd");
        WriteFile(Folder(), "brivonce.ini", "[postit1]\r\nAscenseurs=7\r\n");
        auto run = Shown();
        QVERIFY(run);
        Tpostit* note = Note(*run, 0);
        note->activateWindow();  // menu keys work in the active window
        QVERIFY(QTest::qWaitForWindowActive(note));
        for (QAction* item : {note->Aucun1, note->Vertical1, note->Horizontal1, note->Lesdeux1}) {
            QVERIFY(!item->isChecked());
        }
        note->Memo->moveCursor(QTextCursor::Start);
        QTest::keyClick(note->Memo, Qt::Key_F5);
        QCOMPARE(note->Text(), QString("ab\ncd\n07/12/2026 09:05:07"));
        note->Memo->moveCursor(QTextCursor::Start);
        note->Memo->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        QTest::keyClick(note->Memo, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(note->Text(), QString("b\ncd\n07/12/2026 09:05:07"));
        QTest::keyClick(note->Memo, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(note->Text(), QString());
        QTest::keyClick(note->Memo, Qt::Key_F5);
        QCOMPARE(note->Text(), QString("07/12/2026 09:05:07\n"));
        run->boxes->answers = {QMessageBox::No};
        note->close();
        QVERIFY(Ini().contains("Ascenseurs=0\r\n"));
    }

    // A hand-edited file must not make windows of gigabytes or out of reach,
    // and what the user did not touch is stored back as it was.
    void storedPlacesAreShownWithinTheScreensAndKept() {
        WriteFile(Folder() + "/postits", "1.txt", "");
        WriteFile(Folder() + "/postits", "2.txt", "");
        WriteFile(Folder(), "brivonce.ini",
                  "[postit1]\r\nx=2147483647\r\ny=-2147483648\r\n"
                  "w=2147483647\r\nh=2147483647\r\n"
                  "[postit2]\r\nx=99999\r\ny=99999\r\nw=175\r\nh=200\r\n");
        auto run = Shown();
        QVERIFY(run);
        QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        for (size_t i = 0; i < 2; ++i) {
            Tpostit* note = Note(*run, i);
            QVERIFY(desktop.contains(note->pos()));
            QVERIFY(note->width() <= desktop.width() && note->height() <= desktop.height());
        }
        Note(*run, 1)->move(40, 50);  // moved by the user: its new place is stored
        run.reset();
        QVERIFY(
            Ini().contains("[postit1]\r\nx=2147483647\r\ny=-2147483648\r\n"
                           "w=2147483647\r\nh=2147483647\r\n"));
        QVERIFY(Ini().contains("[postit2]\r\nx=40\r\ny=50\r\nw=175\r\nh=200\r\n"));
    }

    // One write of brivonce.ini for every note at the end, not one each: a
    // settings file that cannot be written says so once.
    void theEndSavesEveryNoteInOneWriteOfTheSettings() {
        auto run = Shown();
        QVERIFY(run);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(NewNote(*run)->Memo, "note");
        }
        QVERIFY(QFile::link("missing/brivonce.ini", Folder() + "/brivonce.ini"));
        qsizetype errorsAtTheEnd = -1;
        ScriptedMessageBoxes* boxes = run->boxes;
        connect(run->windows().notes, &QObject::destroyed, this,
                [&] { errorsAtTheEnd = boxes->shown.size(); });
        run.reset();
        QCOMPARE(errorsAtTheEnd, 1);
        QCOMPARE(ReadFile(Folder() + "/postits/3.txt"), QByteArray("note"));
    }

    void shoppingListWindow() {
        WriteFile(Folder(), "COURSES.TXT",
                  "1Pain\r\n0Lait\r\n1\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0x");
        auto run = Shown();
        QVERIFY(run);
        TMainForm* form = run->windows().mainForm;
        TCourses* courses = run->windows().notes->Courses();
        QVERIFY(courses->CheckBox(3)->isChecked());
        QCOMPARE(courses->Edit(10)->text(), QString("x"));
        OnNextModal([&](QWidget* shown) {
            QCOMPARE(shown, courses);
            QCOMPARE(courses->windowTitle(), QString("Liste des courses"));
            QCOMPARE(courses->size(), QSize(617, 345));
            QCOMPARE(QApplication::focusWidget(), courses->OKBtn);
            QCOMPARE(courses->CheckBox(7)->geometry().translated(courses->Panel1->pos()),
                     QRect(16, 160, 15, 17));
            QCOMPARE(courses->Edit(60)->geometry().translated(courses->Panel1->pos()),
                     QRect(512, 278, 89, 21));
            QCOMPARE(courses->CheckBox(1)->nextInFocusChain(), courses->Edit(1));
            QCOMPARE(courses->Edit(1)->nextInFocusChain(), courses->CheckBox(2));
            // The test run has no printer: the print size can be set, not printed.
            QVERIFY(!courses->PrintBtn->isEnabled() && courses->ConfigBtn->isEnabled());
            emit form->PopupMenu1->aboutToShow();
            QVERIFY(!form->Courses1->isEnabled());
            courses->Edit(11)->setFocus();
            QTest::keyClicks(courses->Edit(11), QString(300, QChar('r')));
            QTest::mouseClick(courses->CheckBox(11), Qt::LeftButton);
            QTest::mouseClick(courses->OKBtn, Qt::LeftButton);
        });
        QTest::keyClick(form->ComboBox, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(!courses->isVisible());
        emit form->PopupMenu1->aboutToShow();
        QVERIFY(form->Courses1->isEnabled());
        form->close();  // SaveAll
        QByteArray saved = ReadFile(Folder() + "/COURSES.TXT");
        QVERIFY(saved.startsWith("1Pain\r\n0Lait\r\n1\r\n0\r\n"));
        QVERIFY(saved.contains("\r\n0x\r\n1" + QByteArray(255, 'r') + "\r\n0\r\n"));
        QCOMPARE(saved.count("\r\n"), 60);
    }

    void anUnreadableShoppingListIsNeverWrittenOver() {
        QDir().mkpath(Folder() + "/COURSES.TXT");
        auto run = Shown();
        QVERIFY(run);
        QCOMPARE(run->boxes->shown.size(), 1);
        QVERIFY(run->boxes->shown[0].text.startsWith("Impossible d'ouvrir le fichier "));
        run->windows().mainForm->close();  // SaveAll goes on to the settings
        QCOMPARE(run->boxes->shown.size(), 1);
        QVERIFY(QFileInfo(Folder() + "/COURSES.TXT").isDir());
        QVERIFY(Ini().contains("[Config]"));
    }
};

QTEST_MAIN(NotesWindowsTest)
#include "notes_windows_test.moc"
