#pragma once

#include "qt/window_fixture.h"

#include <QObject>

// The base of every test of the real window. Qt Test runs these slots around each test function
// of the class derived from it: a test starts from no stored separator choice and fails unless
// each dialog it met was answered as scripted.
class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
};
