#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace brivonce {

// "Alarmes manquées": the activities whose alarm passed unannounced, listed
// as the past list shows them. Not modal, so that the alarms due meanwhile
// still ring.
class TMissedAlarms : public QDialog {
    Q_OBJECT
public:
    explicit TMissedAlarms(QWidget* parent = nullptr);

    // Replaces the list and brings the window up.
    void ShowEntries(const QStringList& entries);

    QListWidget* ListBox;
    QPushButton* OKBtn;
};

}  // namespace brivonce
