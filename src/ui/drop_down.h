#pragma once

#include <QComboBox>

namespace brivonce {

// A drop-down list that opens `visibleItems` items high with a scroll bar, as
// the program's lists do; some styles otherwise show every item at once.
inline void LimitDropDown(QComboBox* box, int visibleItems) {
    box->setMaxVisibleItems(visibleItems);
    box->setStyleSheet(box->styleSheet() + QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

}  // namespace brivonce
