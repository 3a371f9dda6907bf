#pragma once

#include <QString>

namespace tavrolin {

inline const QString kProductName = QStringLiteral("Tavrolin");

// Where the per-user settings live: application key, then the product name as the section.
inline const QString kSettingsApplication = QStringLiteral("Quendale");
inline const QString kSettingsSection = kProductName;
// The position of the chosen separator, as decimal text.
inline const QString kSeparatorChoiceKey = QStringLiteral("Combo1");

} // namespace tavrolin
