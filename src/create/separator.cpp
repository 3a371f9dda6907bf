#include "separator.h"

#include "common/product.h"
#include "common/runtime_error.h"
#include "common/toolkit/combo_box.h"
#include "common/toolkit/settings_store.h"

namespace tavrolin {

QString chooseSeparator(const ComboBox& combo1, SettingsStore& settings, Separator& separator) {
    QString notStored;
    try {
        settings.save(kSettingsApplication, kSettingsSection, kSeparatorChoiceKey,
                      QString::number(combo1.listIndex()));
    } catch (const RuntimeError& e) {
        notStored = e.description();
    }
    // The mapping goes by the item's text; the position only serves to remember the choice.
    const QString choice = combo1.text();
    if (choice == u"Comma-space")
        separator.set(QStringLiteral(", "));
    else if (choice == u"Space")
        separator.set(QStringLiteral(" "));
    else if (choice == u"Comma")
        separator.set(QStringLiteral(","));
    else if (choice == u"Other")
        separator.set(Separator::kOtherMarker);
    return notStored;
}

QString choiceNotRememberedText(const QString& why) {
    return QStringLiteral("Your choice of separator will not be remembered for the next start: ") +
           why + QStringLiteral(".\r\rThe separator you chose is used until Tavrolin is closed.");
}

} // namespace tavrolin
