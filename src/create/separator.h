#pragma once

#include <QString>
#include <optional>

namespace tavrolin {

class ComboBox;
class SettingsStore;

// The text put between two entries: unset (it then behaves as the empty string), a text, or
// the marker "other", which stands for a text the user types when the list is created.
class Separator {
public:
    static inline const QString kOtherMarker = QStringLiteral("other");

    bool isSet() const { return m_value.has_value(); }
    // The empty string while unset.
    QString text() const { return m_value.value_or(QString()); }
    bool isOtherMarker() const { return m_value == kOtherMarker; }
    // Whether text() is this text, without copying it.
    bool hasText(const QString& text) const { return m_value ? *m_value == text : text.isEmpty(); }
    void set(const QString& value) { m_value = value; }

private:
    std::optional<QString> m_value;
};

// The separator choice of Combo1: stores the picked position under "Combo1" and sets the
// separator from the picked item's text. A choice that cannot be stored still sets the
// separator: only remembering it is lost. Returns why it could not be stored, empty when it
// was.
QString chooseSeparator(const ComboBox& combo1, SettingsStore& settings, Separator& separator);

// The message that tells the user a choice will not be remembered, and why.
QString choiceNotRememberedText(const QString& why);

} // namespace tavrolin
