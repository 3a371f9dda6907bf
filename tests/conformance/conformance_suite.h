#pragma once

#include "toolkit_driver.h"

#include <QObject>
#include <QTest>
#include <memory>

namespace tavrolin::testing {

inline const QStringList kToolkits = {QStringLiteral("headless"), QStringLiteral("qt")};

// One row per toolkit for a case, named "headless/<case>" and "qt/<case>"; the first column
// names the toolkit.
template <class... Values> void addRows(const QString& name, const Values&... values) {
    for (const QString& toolkit : kToolkits)
        ((QTest::newRow(qPrintable(toolkit + u'/' + name)) << toolkit) << ... << values);
}

} // namespace tavrolin::testing

// Both toolkits behave alike where the program relies on them: every test runs once per
// toolkit.
class TestToolkitConformance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startState_data();
    void startState();
    void listOperations_data();
    void listOperations();
    void mouseMoves_data();
    void mouseMoves();
    void pickedFilesArrive_data();
    void pickedFilesArrive();
    void pickSetsSeparatorAndSetting_data();
    void pickSetsSeparatorAndSetting();
    void savesAndCopiesTheTickedRow_data();
    void savesAndCopiesTheTickedRow();

private:
    std::unique_ptr<tavrolin::testing::ToolkitDriver> m_driver;
};
