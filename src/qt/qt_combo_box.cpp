#include "qt_combo_box.h"

#include "common/runtime_error.h"

#include <QComboBox>

namespace tavrolin::qt {

QtComboBox::QtComboBox(QComboBox* widget) : m_widget(widget) {
    QObject::connect(m_widget, &QComboBox::activated, m_widget, [this] { raiseClick(); });
}

void QtComboBox::addItem(const QString& text) {
    // QComboBox selects the first item added; here nothing is chosen until the program or the
    // user picks, or the box would show a separator that is not the one in use.
    const bool noneSelected = m_widget->currentIndex() < 0;
    m_widget->addItem(text);
    if (noneSelected)
        m_widget->setCurrentIndex(-1);
}

void QtComboBox::setListIndex(int position) {
    if (position < -1 || position >= m_widget->count())
        throw RuntimeError(error::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_widget->setCurrentIndex(position);
    if (position >= 0)
        raiseClick();
}

int QtComboBox::listIndex() const {
    return m_widget->currentIndex();
}

QString QtComboBox::text() const {
    return m_widget->currentIndex() >= 0 ? m_widget->currentText() : QString();
}

} // namespace tavrolin::qt
