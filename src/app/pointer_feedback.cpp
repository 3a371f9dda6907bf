// Pointer feedback: a hand over the push buttons and the arrow elsewhere, but never in place
// of the hourglass that a running operation shows.
#include "common/toolkit/toolkit.h"
#include "form1.h"

namespace tavrolin {

namespace {

void showPointer(MousePointer& shown, int value) {
    if (shown.pointer() != pointer::Hourglass)
        shown.setPointer(value);
}

} // namespace

void Form1::Form_MouseMove() {
    showPointer(m_ui.pointer, pointer::Default);
}
void Form1::ListView1_MouseMove() {
    showPointer(m_ui.pointer, pointer::Default);
}
void Form1::ListView2_MouseMove() {
    showPointer(m_ui.pointer, pointer::Default);
}
void Form1::Frame1_MouseMove() {
    showPointer(m_ui.pointer, pointer::Default);
}
void Form1::PushButton1_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton2_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton3_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton4_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton5_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton6_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton7_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}
void Form1::PushButton8_MouseMove() {
    showPointer(m_ui.pointer, pointer::Custom);
}

} // namespace tavrolin
