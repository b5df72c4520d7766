// The alarm-time dialog driven through its own controls.
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "agenda/time_dialog.h"
#include "gui/gui_test_support.h"

using namespace brivonce;
using namespace brivonce::testing;

class TimeDialogTest : public QObject {
    Q_OBJECT

private:
    // Shows the dialog as a caller would, starting from `label`.
    void Open(THSaisie& dialog, const QString& label) {
        dialog.hide();
        dialog.SetTime(label);
        dialog.show();
    }
    QString Shown(const THSaisie& dialog) { return dialog.Edit->displayText(); }
    void Click(SpinButton* spin, bool up) {
        QTest::mouseClick(up ? spin->UpButton() : spin->DownButton(), Qt::LeftButton);
    }
    // Puts the caret at `position` and types `keys` as a user would.
    void Type(THSaisie& dialog, int position, const QString& keys) {
        dialog.Edit->setFocus();
        dialog.Edit->setCursorPosition(position);
        QTest::keyClicks(dialog.Edit, keys);
    }

private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void startsFromTheCallersLabel() {
        THSaisie dialog;
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Heure de l'alarme"));
        QCOMPARE(dialog.size(), QSize(194, 122));
        QCOMPARE(Shown(dialog), QString("__:__"));
        Open(dialog, "14:30 (vieux libellé)");
        QCOMPARE(Shown(dialog), QString("14:30"));
        Open(dialog, "1");  // a short label from a damaged week file
        QCOMPARE(Shown(dialog), QString("10:00"));
        Open(dialog, "ab:cd");
        QCOMPARE(Shown(dialog), QString("00:00"));
        QCOMPARE(dialog.Edit->palette().color(QPalette::Base), QColor(163, 239, 248));
        QCOMPARE(dialog.HSpin->toolTip(), QString("Heure"));
        QCOMPARE(dialog.MSpin->toolTip(), QString("Minute"));
    }

    void spinButtonsMoveOnePartWithoutCarry() {
        THSaisie dialog;
        Open(dialog, "08:00");
        Click(dialog.HSpin, true);
        QCOMPARE(Shown(dialog), QString("09:00"));
        Open(dialog, "08:00");
        Click(dialog.MSpin, false);
        QCOMPARE(Shown(dialog), QString("08:00"));
        Click(dialog.MSpin, true);
        QCOMPARE(Shown(dialog), QString("08:01"));
        Open(dialog, "10:59");
        Click(dialog.MSpin, true);
        QCOMPARE(Shown(dialog), QString("10:59"));
        Click(dialog.HSpin, false);
        QCOMPARE(Shown(dialog), QString("09:59"));
    }

    void spinButtonsStopAtBothEnds() {
        THSaisie dialog;
        Open(dialog, "23:59");
        Click(dialog.HSpin, true);
        Click(dialog.MSpin, true);
        QCOMPARE(Shown(dialog), QString("23:59"));
        Open(dialog, "00:00");
        Click(dialog.HSpin, false);
        Click(dialog.MSpin, false);
        QCOMPARE(Shown(dialog), QString("00:00"));
    }

    void typingAnHourOrMinuteOutOfRangePutsBackTheStartingOne() {
        THSaisie dialog;
        Open(dialog, "08:30");
        Type(dialog, 0, "27");
        QCOMPARE(Shown(dialog), QString("08:30"));
        Type(dialog, 3, "75");
        QCOMPARE(Shown(dialog), QString("08:30"));
        Type(dialog, 0, "1945");
        QCOMPARE(Shown(dialog), QString("19:45"));
        // The starting time stays the one given at show time.
        Type(dialog, 3, "9");
        QCOMPARE(Shown(dialog), QString("19:30"));
    }

    void anErasedDigitBecomesZero() {
        THSaisie dialog;
        Open(dialog, "08:35");
        dialog.Edit->setFocus();
        dialog.Edit->setCursorPosition(5);
        QTest::keyClick(dialog.Edit, Qt::Key_Backspace);
        QCOMPARE(Shown(dialog), QString("08:30"));
        dialog.Edit->setCursorPosition(0);
        QTest::keyClick(dialog.Edit, Qt::Key_Delete);
        QCOMPARE(Shown(dialog), QString("08:30"));
        dialog.Edit->setText("  :  ");
        QCOMPARE(Shown(dialog), QString("00:00"));
    }

    // The user's keys as they come: the focus starts in the edit with the hour
    // selected, so typing four digits and Enter sets the time.
    void typingAnyHourOverAnyLabelGivesThatHour() {
        THSaisie dialog;
        for (int label = 0; label < 24; ++label) {
            for (int hour = 0; hour < 24; ++hour) {
                QString typed = QString("%1").arg(hour, 2, 10, QChar('0'));
                Open(dialog, QString("%1:00").arg(label, 2, 10, QChar('0')));
                QApplication::setActiveWindow(&dialog);
                QCoreApplication::processEvents();
                QCOMPARE(dialog.Edit->selectedText(), QString("%1").arg(label, 2, 10, QChar('0')));
                QTest::keyClicks(dialog.Edit, typed + "30");
                QTest::keyClick(dialog.Edit, Qt::Key_Return);
                QCOMPARE(dialog.Time(), typed + ":30");
            }
        }
    }

    void upAndDownStepThePartUnderTheCaret() {
        THSaisie dialog;
        Open(dialog, "08:30");
        Type(dialog, 1, "");
        QTest::keyClick(dialog.Edit, Qt::Key_Up);
        QCOMPARE(Shown(dialog), QString("09:30"));
        dialog.Edit->setCursorPosition(4);
        QTest::keyClick(dialog.Edit, Qt::Key_Down);
        QTest::keyClick(dialog.Edit, Qt::Key_Down);
        QCOMPARE(Shown(dialog), QString("09:28"));
        QCOMPARE(dialog.Edit->cursorPosition(), 4);
    }

    void okGivesTheTimeAndCancelGivesNothing() {
        THSaisie dialog;
        dialog.SetTime("14:00");
        OnNextModal([](QWidget* modal) {
            auto* shown = qobject_cast<THSaisie*>(modal);
            QVERIFY(shown);
            QVERIFY(shown->Edit->hasFocus());
            QTest::mouseClick(shown->MSpin->UpButton(), Qt::LeftButton);
            QTest::mouseClick(shown->OKBtn, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.Time(), QString("14:01"));

        dialog.SetTime("09:00");
        OnNextModal([](QWidget* modal) {
            auto* shown = qobject_cast<THSaisie*>(modal);
            QTest::mouseClick(shown->HSpin->UpButton(), Qt::LeftButton);
            QTest::mouseClick(shown->CancelBtn, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));

        dialog.SetTime("06:15");
        OnNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.Time(), QString("06:15"));
    }
};

QTEST_MAIN(TimeDialogTest)
#include "time_dialog_test.moc"
