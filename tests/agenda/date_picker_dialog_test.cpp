// The date picker driven through its own controls, in French.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "agenda/date_picker_dialog.h"
#include "gui/gui_test_support.h"
#include "ui/app_context.h"

using namespace brivonce;
using namespace brivonce::testing;

class DatePickerDialogTest : public QObject {
    Q_OBJECT

private:
    FakeClock m_clock;
    AppContext m_context;

    // Opens `dialog` on `date`, as every caller does.
    void Open(TChoixD& dialog, QDate date) {
        dialog.SetDate(date);
        dialog.show();
    }
    QPoint CellCentre(TChoixD& dialog, int row, int column) {
        return dialog.Calendar->visualRect(dialog.Calendar->model()->index(row, column)).center();
    }
    void ClickCell(TChoixD& dialog, int row, int column) {
        QTest::mouseClick(dialog.Calendar->viewport(), Qt::LeftButton, {},
                          CellCentre(dialog, row, column));
    }
    void CheckTitle(TChoixD& dialog, const QString& text) {
        QCOMPARE(dialog.Titre->text(), text);
        int left = (dialog.width() - dialog.Titre->fontMetrics().horizontalAdvance(text)) / 2;
        QVERIFY2(qAbs(dialog.Titre->x() - left) <= 2,
                 qPrintable(QString::number(dialog.Titre->x())));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        m_clock.now = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 42));
        m_context.clock = &m_clock;
    }
    void init() { FailOnUnexpectedWarnings(); }

    void showsTodaysMonthAtCreation() {
        TChoixD dialog(m_context);
        QCOMPARE(dialog.windowTitle(), QString("Calendrier"));
        QCOMPARE(dialog.size(), QSize(369, 294));
        QCOMPARE(dialog.Date(), QDate(2026, 12, 8));
        dialog.show();
        CheckTitle(dialog, QString::fromUtf8("décembre 2026"));
        QCOMPARE(dialog.NowBtn->toolTip(), QString("Aujourd'hui"));
        QCOMPARE(dialog.PYBtn->text(), QString::fromUtf8("Année"));
        QCOMPARE(dialog.NMBtn->text(), QString("Mois"));
    }

    void laysOutTheMonthMondayFirst() {
        TChoixD dialog(m_context);
        Open(dialog, QDate(2026, 12, 8));
        QTableWidget* grid = dialog.Calendar;
        QCOMPARE(grid->rowCount(), 7);
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->item(0, 0)->text(), QLocale().dayName(1, QLocale::ShortFormat));
        QCOMPARE(grid->item(0, 6)->text(), QLocale().dayName(7, QLocale::ShortFormat));
        QCOMPARE(grid->item(1, 0)->text(), QString());  // Monday 30 November
        QCOMPARE(grid->item(1, 1)->text(), QString("1"));
        QCOMPARE(grid->item(5, 3)->text(), QString("31"));
        QCOMPARE(grid->item(2, 1)->text(), QString("8"));
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 1);
        QCOMPARE(grid->item(2, 1)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(183, 250, 160));
        QImage shot = grid->grab().toImage();
        QCOMPARE(QColor(shot.pixel(CellCentre(dialog, 6, 6))), QColor(183, 250, 160));
    }

    void clickingADaySelectsItAndBlanksCannotBeSelected() {
        TChoixD dialog(m_context);
        Open(dialog, QDate(2026, 12, 8));
        ClickCell(dialog, 3, 4);
        QCOMPARE(dialog.Date(), QDate(2026, 12, 18));
        ClickCell(dialog, 1, 0);  // blank before the 1st
        ClickCell(dialog, 6, 6);  // blank after the 31st
        ClickCell(dialog, 0, 2);  // day name
        QCOMPARE(dialog.Date(), QDate(2026, 12, 18));
        QCOMPARE(dialog.Calendar->selectedItems().size(), 1);
        QCOMPARE(dialog.Calendar->selectedItems().first()->text(), QString("18"));
        // The keys walk over days only.
        dialog.Calendar->setFocus();
        QTest::keyClick(dialog.Calendar, Qt::Key_Right);
        QCOMPARE(dialog.Date(), QDate(2026, 12, 19));
        ClickCell(dialog, 1, 1);
        QTest::keyClick(dialog.Calendar, Qt::Key_Left);
        QTest::keyClick(dialog.Calendar, Qt::Key_Up);
        QCOMPARE(dialog.Date(), QDate(2026, 12, 1));
    }

    void monthButtonsKeepTheDayOrTakeTheMonthsLast() {
        TChoixD dialog(m_context);
        Open(dialog, QDate(2026, 3, 31));
        dialog.PMBtn->click();
        QCOMPARE(dialog.Date(), QDate(2026, 2, 28));
        CheckTitle(dialog, QString::fromUtf8("février 2026"));
        Open(dialog, QDate(2028, 3, 31));
        dialog.PMBtn->click();
        QCOMPARE(dialog.Date(), QDate(2028, 2, 29));
        Open(dialog, QDate(2026, 1, 31));
        dialog.NMBtn->click();
        QCOMPARE(dialog.Date(), QDate(2026, 2, 28));
        Open(dialog, QDate(2026, 5, 31));
        dialog.NMBtn->click();
        QCOMPARE(dialog.Date(), QDate(2026, 6, 30));
        Open(dialog, QDate(2026, 12, 15));
        dialog.NMBtn->click();
        QCOMPARE(dialog.Date(), QDate(2027, 1, 15));
        CheckTitle(dialog, QString::fromUtf8("janvier 2027"));
        QCOMPARE(dialog.Calendar->item(1, 4)->text(), QString("1"));  // a Friday
    }

    void yearButtonsTurnTheTwentyNinthIntoTheTwentyEighth() {
        TChoixD dialog(m_context);
        Open(dialog, QDate(2028, 2, 29));
        dialog.NYBtn->click();
        QCOMPARE(dialog.Date(), QDate(2029, 2, 28));
        CheckTitle(dialog, QString::fromUtf8("février 2029"));
        Open(dialog, QDate(2028, 2, 29));
        dialog.PYBtn->click();
        QCOMPARE(dialog.Date(), QDate(2027, 2, 28));
        dialog.NowBtn->click();
        QCOMPARE(dialog.Date(), QDate(2026, 12, 8));
        CheckTitle(dialog, QString::fromUtf8("décembre 2026"));
    }

    void doubleClickingADayChoosesIt() {
        TChoixD dialog(m_context);
        dialog.SetDate(QDate(2026, 7, 1));
        OnNextModal([this, &dialog](QWidget* modal) {
            QCOMPARE(modal, &dialog);
            QVERIFY(dialog.OKBtn->hasFocus());
            // A real double click: press and release, then the second press.
            QPoint tuesday14 = CellCentre(dialog, 3, 1);
            QTest::mouseClick(dialog.Calendar->viewport(), Qt::LeftButton, {}, tuesday14);
            QTest::mouseDClick(dialog.Calendar->viewport(), Qt::LeftButton, {}, tuesday14);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.Date(), QDate(2026, 7, 14));
    }

    void cancelAndOkCloseWithTheirResults() {
        TChoixD dialog(m_context);
        dialog.SetDate(QDate(2026, 7, 1));
        OnNextModal([&dialog](QWidget*) { QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        OnNextModal([&dialog](QWidget*) {
            dialog.NMBtn->click();
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.Date(), QDate(2026, 8, 1));
        // The date is kept for the next showing.
        dialog.show();
        QCOMPARE(dialog.Date(), QDate(2026, 8, 1));
    }
};

QTEST_MAIN(DatePickerDialogTest)
#include "date_picker_dialog_test.moc"
