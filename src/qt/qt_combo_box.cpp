#include "qt_combo_box.h"

#include "common/runtime_error.h"

#include <QComboBox>

namespace tavrolin::qt {

QtComboBox::QtComboBox(QComboBox* widget) : m_widget(widget) {
    QObject::connect(m_widget, &QComboBox::activated, m_widget, [this] { raiseClick(); });
}

void QtComboBox::addItem(const QString& text) {
    m_widget->addItem(text);
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
