// The driver of the real window, offscreen: every action goes to the widget that receives it
// when a user acts, and every dialog is answered by a ModalScript.
#include "app/form1.h"
#include "qt/labelled_progress_bar.h"
#include "qt/qt_toolkit.h"
#include "qt/report_view.h"
#include "support/modal_script.h"
#include "toolkit_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace tavrolin::testing {

namespace {

// The key Combo1 in the group Tavrolin.
const QString kStoredChoice = QStringLiteral("Tavrolin/Combo1");

QSettings settings() {
    return QSettings(QStringLiteral("Quendale"), QStringLiteral("Tavrolin"));
}

// Several files are picked by typing their names into the name box, as a user does with the
// focus in it: a file of the folder shown by its name, any other by its full path, each in
// quotes.
void typeNames(QFileDialog* dialog, const QStringList& paths) {
    const QString folder = QFileInfo(paths.first()).absolutePath();
    dialog->setDirectory(folder);
    QStringList names;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        names.append(u'"' + (file.absolutePath() == folder ? file.fileName() : path) + u'"');
    }
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    // Without the focus the dialog would rewrite the box with the names of what its list selects.
    QApplication::setActiveWindow(dialog);
    edit->setFocus();
    edit->setText(names.join(u' '));
}

class QtDriver : public ToolkitDriver {
public:
    QtDriver() { m_qt.connect(m_form); }

    void storeChoice(const QString& value) override {
        if (!value.isNull())
            settings().setValue(kStoredChoice, value);
    }
    QString storedChoice() const override { return settings().value(kStoredChoice).toString(); }
    void load() override {
        m_form.Form_Load();
        m_qt.show();
        settle();
    }
    Toolkit& toolkit() override { return m_qt.toolkit(); }

    int comboIndex() const override { return window().combo1->currentIndex(); }
    QString comboText() const override { return window().combo1->currentText(); }
    int progressValue() const override {
        settle();
        return window().progressBar1->value();
    }
    QString progressText() const override {
        settle();
        return window().progressBar1->text();
    }
    QStringList shownRows(int list) const override {
        settle();
        const QAbstractItemModel* model = listView(list)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append(model->index(row, 0).data().toString());
        return rows;
    }
    bool showsPointer(int value) const override {
        const Qt::CursorShape shape = window().cursor().shape();
        switch (value) {
        case pointer::Hourglass:
            return shape == Qt::WaitCursor;
        case pointer::Custom:
            return shape == Qt::PointingHandCursor; // no cursor file in the program folder
        default:
            return shape == Qt::ArrowCursor;
        }
    }
    QString clipboardText() const override { return QGuiApplication::clipboard()->text(); }
    QStringList messages() const override { return m_answers.messages(); }
    QStringList fileDialogTitles() const override { return m_answers.fileDialogTitles(); }
    QStringList problems() const override { return m_answers.problems(); }

    void click(const QString& button) override {
        QTest::mouseClick(window().findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void pickCombo(int position) override {
        QComboBox* combo = window().combo1;
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        const QRect item = list->visualRect(list->model()->index(position, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    }
    void selectItem(int list, int item) override {
        qt::ReportView* view = listView(list);
        settle();
        const QRect row = view->visualRect(view->model()->index(item - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
    }
    void tickResultRow(int item) override {
        selectItem(2, item);
        QTest::keyClick(window().listView2, Qt::Key_Space);
    }
    // The move goes to the window as the platform hands it over; Qt finds the widget under the
    // pointer, as it does for a real mouse. Qt drops a move that does not move, so each one
    // goes a pixel away from the last.
    void moveMouseOver(const QString& control) override {
        const QWidget* area = areaOf(control);
        QVERIFY2(area != nullptr, qPrintable(control));
        m_step = 3 - m_step;
        QTest::mouseMove(window().windowHandle(), area->mapTo(&window(), QPoint(m_step, 2)));
    }
    void answerNextInput(const QString& text) override { m_answers.typeInput(text); }
    void chooseFilesNext(const QStringList& paths) override {
        m_answers.answerFileDialog([paths](QFileDialog* dialog) {
            if (paths.isEmpty()) {
                dialog->reject();
                return;
            }
            if (paths.size() == 1)
                dialog->selectFile(paths.first());
            else
                typeNames(dialog, paths);
            // The dialog's Open or Save button, which checks the names.
            const auto* buttons = dialog->findChild<QDialogButtonBox*>();
            for (QAbstractButton* button : buttons->buttons()) {
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
            // A name the dialog refuses leaves it open; the user then cancels.
            if (dialog->isVisible())
                dialog->reject();
        });
    }

private:
    qt::MainWindow& window() const { return m_qt.window(); }
    qt::ReportView* listView(int list) const {
        return list == 1 ? window().listView1 : window().listView2;
    }
    // The widget that shows the named control where the mouse meets it: the lists and their
    // headers show their rows and captions in viewports.
    QWidget* areaOf(const QString& control) const {
        if (control == u"Form")
            return &window();
        for (int list : {1, 2}) {
            const QString name = QStringLiteral("ListView%1").arg(list);
            if (control == name)
                return listView(list)->viewport();
            if (control == name + QStringLiteral(" header"))
                return listView(list)->horizontalHeader()->viewport();
        }
        return window().findChild<QWidget*>(control);
    }
    // Appends and progress reach the widgets from the event loop.
    static void settle() { QCoreApplication::processEvents(); }

    ModalScript m_answers{ModalScript::Unscripted::AsUserWould};
    // Neither skin nor cursor file: the program folder is an empty one of its own.
    QTemporaryDir m_programFolder;
    // Looking at a widget changes nothing, but Qt hands widgets out from non-const accessors.
    mutable qt::QtToolkit m_qt{m_programFolder.path()};
    Form1 m_form{m_qt.toolkit()};
    int m_step = 1;
};

} // namespace

std::unique_ptr<ToolkitDriver> makeQtDriver() {
    return std::make_unique<QtDriver>();
}

} // namespace tavrolin::testing
