#include "separator.h"

#include "common/product.h"
#include "common/toolkit/combo_box.h"
#include "common/toolkit/settings_store.h"

namespace tavrolin {

void chooseSeparator(const ComboBox& combo1, SettingsStore& settings, Separator& separator) {
    settings.save(kSettingsApplication, kSettingsSection, kSeparatorChoiceKey,
                  QString::number(combo1.listIndex()));
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
}

} // namespace tavrolin
