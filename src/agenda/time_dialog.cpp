#include "agenda/time_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "agenda/time_text.h"
#include "ui/dialog_frame.h"
#include "ui/named_widget.h"

namespace brivonce {
namespace {

// The colon and the two digit positions on each side; the first hour digit
// may stay blank while typing. Blanks show as "_".
const QString kTimeMask = QStringLiteral("09:99;_");
const QColor kEditColour(163, 239, 248);
constexpr int kHourEnd = 3;  // the caret position after "hh:"

QFont EditFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(27);
    font.setBold(true);
    return font;
}

}  // namespace

THSaisie::THSaisie(QWidget* parent) : QDialog(parent) {
    setObjectName("HSaisie");
    setWindowTitle(QString::fromUtf8("Heure de l'alarme"));
    MakeFixedDialog(this, 194, 122);

    Panel1 = Named<QFrame>("Panel1", this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(8, 8, 178, 62);
    HSpin = Named<SpinButton>("HSpin", Panel1);
    HSpin->setToolTip(QString::fromUtf8("Heure"));
    HSpin->setGeometry(8, 7, 19, 48);
    Edit = Named<QLineEdit>("Edit", Panel1);
    Edit->setGeometry(33, 7, 112, 48);
    Edit->setFont(EditFont());
    Edit->setAlignment(Qt::AlignCenter);
    QPalette palette = Edit->palette();
    palette.setColor(QPalette::Base, kEditColour);
    Edit->setPalette(palette);
    Edit->setInputMask(kTimeMask);
    Edit->setText(QStringLiteral("  :  "));
    Edit->installEventFilter(this);
    MSpin = Named<SpinButton>("MSpin", Panel1);
    MSpin->setToolTip(QString::fromUtf8("Minute"));
    MSpin->setGeometry(151, 7, 19, 48);

    OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setGeometry(16, 84, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>("CancelBtn", QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(103, 84, 75, 25);

    connect(Edit, &QLineEdit::textChanged, this, &THSaisie::EditChange);
    connect(HSpin, &SpinButton::UpClick, this, &THSaisie::HSpinUpClick);
    connect(HSpin, &SpinButton::DownClick, this, &THSaisie::HSpinDownClick);
    connect(MSpin, &SpinButton::UpClick, this, &THSaisie::MSpinUpClick);
    connect(MSpin, &SpinButton::DownClick, this, &THSaisie::MSpinDownClick);
    connect(OKBtn, &QPushButton::clicked, this, &THSaisie::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &THSaisie::reject);
}

void THSaisie::SetTime(const QString& label) {
    m_start = label.left(kTimeTextLength);
}

void THSaisie::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void THSaisie::FormShow() {
    SetEditText(TimeEditText(m_start.toStdString()));
    Edit->setFocus();
}

bool THSaisie::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit && event->type() == QEvent::FocusIn) {
        // After the edit's own focus handling, so that typing replaces the hour.
        QTimer::singleShot(0, Edit, [this] { Edit->setSelection(0, 2); });
    } else if (watched == Edit && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepPartAtCaret(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void THSaisie::StepPartAtCaret(int delta) {
    int caret = Edit->cursorPosition();
    TimePart part = caret < kHourEnd ? TimePart::kHour : TimePart::kMinute;
    SetEditText(StepTime(EditText(), part, delta));
    Edit->setCursorPosition(caret);
}

std::string THSaisie::EditText() const {
    return Edit->displayText().replace(QChar('_'), QChar(' ')).toStdString();
}

void THSaisie::SetEditText(const std::string& text) {
    Edit->setText(QString::fromStdString(text));
}

void THSaisie::EditChange() {
    std::string text = EditText();
    // Just after the hour's first digit the hour is not checked yet: "2" over
    // "07" is the start of 20 to 23, not an hour 27 to put back.
    bool hourPending = Edit->hasFocus() && Edit->cursorPosition() == 1;
    TimeCorrection corrected = CorrectTimeText(text, m_start.toStdString(), hourPending);
    if (corrected.text == text) {
        return;
    }
    // A part put back is skipped over, so the next digit typed goes on.
    int caret = Edit->cursorPosition();
    SetEditText(corrected.text);
    if (corrected.minuteRestored) {
        caret = static_cast<int>(kTimeTextLength);
    } else if (corrected.hourRestored) {
        caret = kHourEnd;
    }
    Edit->setCursorPosition(caret);
}

void THSaisie::HSpinUpClick() {
    SetEditText(StepTime(EditText(), TimePart::kHour, 1));
}

void THSaisie::HSpinDownClick() {
    SetEditText(StepTime(EditText(), TimePart::kHour, -1));
}

void THSaisie::MSpinUpClick() {
    SetEditText(StepTime(EditText(), TimePart::kMinute, 1));
}

void THSaisie::MSpinDownClick() {
    SetEditText(StepTime(EditText(), TimePart::kMinute, -1));
}

void THSaisie::OKBtnClick() {
    std::string checked = CorrectTimeText(EditText(), m_start.toStdString()).text;
    m_time = QString::fromStdString(checked).left(kTimeTextLength);
    accept();
}

}  // namespace brivonce
