#pragma once

#include <QString>

namespace tavrolin {

inline const QString kProductName = QStringLiteral("Tavrolin");
// The organisation that publishes the program.
inline const QString kOrganisation = QStringLiteral("Quendale");
// The installed desktop entry, without ".desktop"; cmake/Install.cmake names the installed
// files with the same id.
inline const QString kDesktopFileName = QStringLiteral("org.example.Tavrolin");

// Where the per-user settings live: application key, then the product name as the section.
inline const QString kSettingsApplication = kOrganisation;
inline const QString kSettingsSection = kProductName;
// The position of the chosen separator, as decimal text.
inline const QString kSeparatorChoiceKey = QStringLiteral("Combo1");

} // namespace tavrolin
