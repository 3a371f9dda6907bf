#include "qt_combo_box.h"

#include <QComboBox>
#include <QEvent>

namespace tavrolin::qt {

namespace {

// A combo box takes every wheel turn over it as a pick, also while another control has the
// focus: a user scrolling the window past it would change the separator, and store it, without
// noticing. Only the box the user is working in takes the wheel.
class WheelNeedsFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QtComboBox::QtComboBox(QComboBox* widget) : m_widget(widget) {
    m_widget->setFocusPolicy(Qt::StrongFocus);
    m_widget->installEventFilter(new WheelNeedsFocus(m_widget));
}

void QtComboBox::addItem(const QString& text) {
    // QComboBox selects the first item added; here nothing is chosen until the program or the
    // user picks, or the box would show a separator that is not the one in use.
    const bool noneSelected = m_widget->currentIndex() < 0;
    m_widget->addItem(text);
    if (noneSelected)
        m_widget->setCurrentIndex(-1);
}

int QtComboBox::itemCount() const {
    return m_widget->count();
}

void QtComboBox::select(int position) {
    m_widget->setCurrentIndex(position);
}

int QtComboBox::listIndex() const {
    return m_widget->currentIndex();
}

QString QtComboBox::text() const {
    return m_widget->currentIndex() >= 0 ? m_widget->currentText() : QString();
}

} // namespace tavrolin::qt
