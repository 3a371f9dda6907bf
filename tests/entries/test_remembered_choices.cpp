// Each tool's dialog opens with the answers given last, in the same run and in the next, and a
// settings file that cannot be written costs the next run only.

#include "app/remembered_choices.h"
#include "common/product.h"
#include "entries/entry_list_tools.h"
#include "entry_handlers.h"
#include "qt/duplicates_dialog.h"
#include "qt/qt_settings_store.h"
#include "qt/split_dialog.h"
#include "qt/wrap_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace tavrolin;
using namespace tavrolin::testing;
using namespace Qt::StringLiterals;

namespace {

using Answer = std::function<void(QDialog*)>;
// The tool whose dialog it is; -1 stands for "Create in Groups".
constexpr int kGroups = -1;

// What a dialog offers: each field's text, choice and tick, by its place in the dialog.
QString stateOf(const QDialog* dialog) {
    QStringList fields;
    for (const QObject* child : dialog->findChildren<QObject*>()) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(child))
            fields.append(edit->text());
        else if (const auto* choice = qobject_cast<const QComboBox*>(child))
            fields.append(choice->currentText());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            fields.append(button->isCheckable() ? QString::number(button->isChecked()) : QString());
    }
    return fields.join(u'|');
}

void runTool(RealWindow& real, int tool, bool answered) {
    if (tool == kGroups) {
        if (answered)
            dialogs().closeMessageStarting(u"Done."_s);
        run(real, [&] { real.form.ListView1_CreateInGroups(); });
    } else {
        run(real, [&] { real.form.ListView1_Tool(EntryListTool(tool)); });
    }
}

// What the dialog offers when it opens next; cancelled.
QString offered(RealWindow& real, const QString& title, int tool) {
    QString state;
    dialogs().answerDialog(title, [&](QDialog* dialog) {
        state = stateOf(dialog);
        dialog->reject();
    });
    runTool(real, tool, false);
    return state;
}

// Points the settings at a path under a regular file, where no file can be made.
class UnwritableSettings {
public:
    UnwritableSettings() {
        QFile file(m_folder.filePath(u"file"_s));
        file.open(QIODevice::WriteOnly);
        setPath(file.fileName() + u"/config"_s);
    }
    ~UnwritableSettings() {
        setPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    UnwritableSettings(const UnwritableSettings&) = delete;
    UnwritableSettings& operator=(const UnwritableSettings&) = delete;

private:
    static void setPath(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    QTemporaryDir m_folder;
};

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestRememberedChoices : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void rememberedInThisRunAndTheNext_data();
    void rememberedInThisRunAndTheNext();
    void unwritableSettingsToldOnce();
    void unreadableValuesGiveDefaults();
};

void TestRememberedChoices::rememberedInThisRunAndTheNext_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("tool");
    QTest::addColumn<Answer>("answer");

    QTest::newRow("duplicates") << u"Remove Duplicates"_s << int(EntryListTool::RemoveDuplicates)
                                << Answer([](QDialog* dialog) {
                                       static_cast<qt::DuplicatesDialog*>(dialog)->setRules(
                                           {true, true, DuplicateRules::Keep::Once});
                                   });
    QTest::newRow("wrap texts") << u"Wrap Each Entry"_s << int(EntryListTool::Wrap)
                                << Answer([](QDialog* dialog) {
                                       dialog->findChild<QLineEdit*>(u"before"_s)->setText(u"["_s);
                                       dialog->findChild<QLineEdit*>(u"after"_s)->setText(u"]"_s);
                                   });
    QTest::newRow("wrap preset") << u"Wrap Each Entry"_s << int(EntryListTool::Wrap)
                                 << Answer([](QDialog* dialog) {
                                        static_cast<qt::WrapDialog*>(dialog)->choosePreset(
                                            qt::WrapDialog::SingleQuotes);
                                    });
    QTest::newRow("wrap rule") << u"Wrap Each Entry"_s << int(EntryListTool::Wrap)
                               << Answer([](QDialog* dialog) {
                                      static_cast<qt::WrapDialog*>(dialog)->choosePreset(
                                          qt::WrapDialog::ShellWord);
                                  });
    // Offered again as typed, though the tool wrapped in a tab.
    QTest::newRow("wrap tab") << u"Wrap Each Entry"_s << int(EntryListTool::Wrap)
                              << Answer([](QDialog* dialog) {
                                     dialog->findChild<QLineEdit*>(u"before"_s)->setText(u"\\t"_s);
                                 });
    // The separator last split at, not the chosen one (", "), and a tab as typed.
    QTest::newRow("split") << u"Split Entries"_s << int(EntryListTool::Split)
                           << Answer([](QDialog* dialog) {
                                  static_cast<qt::SplitDialog*>(dialog)->setAnswer(
                                      u"\\t;"_s, qt::SplitDialog::SingleQuotes);
                              });
    QTest::newRow("groups") << u"Create in Groups"_s << kGroups << Answer([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(u"groupSize"_s)->setText(u"2,500"_s);
        dialog->findChild<QLineEdit*>(u"before"_s)->setText(u"IN ("_s);
        dialog->findChild<QLineEdit*>(u"after"_s)->setText(u")"_s);
    });
}

void TestRememberedChoices::rememberedInThisRunAndTheNext() {
    QFETCH(QString, title);
    QFETCH(int, tool);
    QFETCH(Answer, answer);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QStringList entries{u"a\t;b"_s, u"a\t;b"_s, u"c"_s};
    QString given;
    {
        RealWindow real; // separator ", "
        fill(real, entries);
        const QString first = offered(real, title, tool);
        dialogs().answerDialog(title, [&](QDialog* dialog) {
            answer(dialog);
            given = stateOf(dialog);
            dialog->accept();
        });
        runTool(real, tool, true);
        QVERIFY2(given != first, qPrintable(given));
        QCOMPARE(offered(real, title, tool), given);
    }
    RealWindow next;
    fill(next, entries);
    QCOMPARE(offered(next, title, tool), given);
}

// The answers still come back in this run; the user hears once why not in the next.
void TestRememberedChoices::unwritableSettingsToldOnce() {
    RealWindow real;
    run(real, [&] { real.form.Form_Shown(); });
    UnwritableSettings unwritable;
    fill(real, {u"a"_s, u"a"_s});
    QString told;
    dialogs().closeMessage([&](QMessageBox* box) { told = box->text(); });
    const Answer ignoreCase = [](QDialog* dialog) {
        static_cast<qt::DuplicatesDialog*>(dialog)->setRules({true, false, {}});
        dialog->accept();
    };
    dialogs().answerDialog(u"Remove Duplicates"_s, ignoreCase);
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::RemoveDuplicates); });
    QVERIFY2(told.startsWith(u"Your answers in this dialog will not be remembered for the next "
                             u"start: the settings file \""_s),
             qPrintable(told));
    // The second answer goes unstored without a word.
    dialogs().answerDialog(u"Wrap Each Entry"_s, [](QDialog* dialog) { dialog->accept(); });
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::Wrap); });
    QString state;
    dialogs().answerDialog(u"Remove Duplicates"_s, [&](QDialog* dialog) {
        state = stateOf(dialog);
        dialog->reject();
    });
    run(real, [&] { real.form.ListView1_Tool(EntryListTool::RemoveDuplicates); });
    QVERIFY2(state.startsWith(u"1|0"_s), qPrintable(state));
    QVERIFY(real.toolkit.window().isVisible());
}

// A file edited by hand may hold anything; what cannot be read is left at its default.
void TestRememberedChoices::unreadableValuesGiveDefaults() {
    QSettings settings(kSettingsApplication, kSettingsSection);
    settings.beginGroup(kSettingsSection);
    for (const char* key : {"Tools/RemoveDuplicates/IgnoreCase", "Tools/RemoveDuplicates/Keep",
                            "Tools/Split/Quotes", "Tools/Groups/Size"})
        settings.setValue(QLatin1String(key), u"sideways"_s);
    settings.sync();
    const qt::QtSettingsStore store;
    const ToolChoices choices = rememberedToolChoices(store);
    QVERIFY(!choices.duplicates.ignoreCase);
    QCOMPARE(choices.duplicates.keep, DuplicateRules::Keep::First);
    QCOMPARE(choices.quotes, QuoteStyle::None);
    QCOMPARE(rememberedGrouping(store).size, 0);
    settings.setValue(u"Tools/Groups/Size"_s, u"-5"_s);
    settings.sync();
    QCOMPARE(rememberedGrouping(store).size, 0);
}

QTEST_MAIN(TestRememberedChoices)
#include "test_remembered_choices.moc"
