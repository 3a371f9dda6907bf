#pragma once

#include "support/window_fixture.h"

#include <QObject>

// The base of every test of the real window. Qt Test runs these slots around each test function
// of the class derived from it: a test starts from no stored separator choice and fails unless
// each dialog it met was answered as scripted.
class WindowTest : public QObject {
    Q_OBJECT

public:
    // A test class that checks the messages shown after the fact has the dialogs it did not
    // script answered as a user would, not refused.
    explicit WindowTest(tavrolin::testing::ModalScript::Unscripted unscripted =
                            tavrolin::testing::ModalScript::Unscripted::Refuse)
        : m_unscripted(unscripted) {}

private Q_SLOTS:
    void init();
    void cleanup();

private:
    tavrolin::testing::ModalScript::Unscripted m_unscripted;
};
