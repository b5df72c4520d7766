#include "ui/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/named_widget.h"

namespace brivonce {
namespace {

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow) {
    auto* button = Named<QToolButton>(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    m_up = ArrowButton("UpButton", Qt::UpArrow);
    m_down = ArrowButton("DownButton", Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::UpClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::DownClick);
}

}  // namespace brivonce
