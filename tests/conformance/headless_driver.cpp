// The driver of the headless toolkit. It has no widgets to wire, so the tables below stand for
// the wiring: which handler a click or a mouse move over each control raises.
#include "app/form1.h"
#include "headless/headless_toolkit.h"
#include "toolkit_driver.h"

#include <QHash>
#include <cmath>

namespace tavrolin::testing {

namespace {

using Handler = void (Form1::*)();

const QString kApplication = QStringLiteral("Quendale");
const QString kSection = QStringLiteral("Tavrolin");
const QString kKey = QStringLiteral("Combo1");

const QHash<QString, Handler> kClicks = {
    {QStringLiteral("PushButton1"), &Form1::PushButton1_Click},
    {QStringLiteral("PushButton2"), &Form1::PushButton2_Click},
    {QStringLiteral("PushButton3"), &Form1::PushButton3_Click},
    {QStringLiteral("PushButton4"), &Form1::PushButton4_Click},
    {QStringLiteral("PushButton5"), &Form1::PushButton5_Click},
    {QStringLiteral("PushButton6"), &Form1::PushButton6_Click},
    {QStringLiteral("PushButton7"), &Form1::PushButton7_Click},
    {QStringLiteral("PushButton8"), &Form1::PushButton8_Click},
};

// Combo1 and ProgressBar1 have no mouse-move handler.
const QHash<QString, Handler> kMouseMoves = {
    {QStringLiteral("Form"), &Form1::Form_MouseMove},
    {QStringLiteral("ListView1"), &Form1::ListView1_MouseMove},
    {QStringLiteral("ListView1 header"), &Form1::ListView1_MouseMove},
    {QStringLiteral("ListView2"), &Form1::ListView2_MouseMove},
    {QStringLiteral("ListView2 header"), &Form1::ListView2_MouseMove},
    {QStringLiteral("Frame1"), &Form1::Frame1_MouseMove},
    {QStringLiteral("PushButton1"), &Form1::PushButton1_MouseMove},
    {QStringLiteral("PushButton2"), &Form1::PushButton2_MouseMove},
    {QStringLiteral("PushButton3"), &Form1::PushButton3_MouseMove},
    {QStringLiteral("PushButton4"), &Form1::PushButton4_MouseMove},
    {QStringLiteral("PushButton5"), &Form1::PushButton5_MouseMove},
    {QStringLiteral("PushButton6"), &Form1::PushButton6_MouseMove},
    {QStringLiteral("PushButton7"), &Form1::PushButton7_MouseMove},
    {QStringLiteral("PushButton8"), &Form1::PushButton8_MouseMove},
};

class HeadlessDriver : public ToolkitDriver {
public:
    void storeChoice(const QString& value) override {
        if (!value.isNull())
            m_ui.settings.save(kApplication, kSection, kKey, value);
    }
    QString storedChoice() const override {
        if (!m_ui.settings.contains(kApplication, kSection, kKey))
            return {};
        return m_ui.settings.get(kApplication, kSection, kKey, QString());
    }
    void load() override { m_form.Form_Load(); }
    Toolkit& toolkit() override { return m_ui.toolkit(); }

    int comboIndex() const override { return m_ui.combo1.listIndex(); }
    QString comboText() const override { return m_ui.combo1.text(); }
    int progressValue() const override { return int(std::lround(m_ui.progressBar1.value())); }
    QString progressText() const override { return m_ui.progressBar1.text(); }
    QStringList shownRows(int list) const override {
        return (list == 1 ? m_ui.listView1 : m_ui.listView2).texts();
    }
    bool showsPointer(int value) const override { return m_ui.form.pointer() == value; }
    QString clipboardText() const override { return m_ui.clipboard.text().value_or(QString()); }
    QStringList messages() const override {
        QStringList texts;
        for (const headless::ShownMessage& message : m_ui.dialogs.messages())
            texts.append(message.text);
        return texts;
    }
    QStringList fileDialogTitles() const override {
        QStringList titles;
        for (const headless::HeadlessFileDialog::Shown& shown : m_ui.commonDialog1.shown())
            titles.append(shown.title);
        return titles;
    }
    QStringList problems() const override { return {}; }

    void click(const QString& button) override { (m_form.*kClicks.value(button))(); }
    void pickCombo(int position) override { m_ui.combo1.pick(position); }
    void selectItem(int list, int item) override { listView(list).select(item); }
    void tickResultRow(int item) override { m_ui.listView2.setItemChecked(item, true); }
    void moveMouseOver(const QString& control) override {
        if (const Handler handler = kMouseMoves.value(control))
            (m_form.*handler)();
    }
    void answerNextInput(const QString& text) override { m_ui.dialogs.answerNextInput(text); }
    void chooseFilesNext(const QStringList& paths) override {
        m_ui.commonDialog1.chooseFilesNext(paths);
    }

private:
    headless::HeadlessListView& listView(int list) {
        return list == 1 ? m_ui.listView1 : m_ui.listView2;
    }

    headless::HeadlessToolkit m_ui;
    Form1 m_form{m_ui.toolkit()};
};

} // namespace

std::unique_ptr<ToolkitDriver> makeHeadlessDriver() {
    return std::make_unique<HeadlessDriver>();
}

} // namespace tavrolin::testing
