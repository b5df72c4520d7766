#pragma once

#include <QDate>
#include <QDialog>
#include <chrono>

#include "ui/qt_dates.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace brivonce {

struct AppContext;

// The date picker: a month calendar with month and year navigation. Created
// once; every caller sets the date before showing it and, after OK, reads it.
class TChoixD : public QDialog {
    Q_OBJECT
public:
    explicit TChoixD(AppContext& context, QWidget* parent = nullptr);

    void SetDate(QDate date);
    QDate Date() const { return ToQDate(m_date); }

    QFrame* Panel1;
    QToolButton* PYBtn;
    QToolButton* PMBtn;
    QToolButton* NowBtn;
    QToolButton* NMBtn;
    QToolButton* NYBtn;
    QFrame* Bevel1;
    QLabel* Titre;
    QTableWidget* Calendar;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void PYBtnClick();
    void PMBtnClick();
    void NMBtnClick();
    void NYBtnClick();
    void NowBtnClick();
    void CalendarChange();
    void CalendarDblClick(int row, int column);
    void CalendarCellChosen(int row, int column);

    void SetYmd(std::chrono::year_month_day date);
    void FillMonth();

    AppContext& m_context;
    std::chrono::year_month_day m_date;
    std::chrono::year_month m_shownMonth{};  // none yet
};

}  // namespace brivonce
