#pragma once

#include "common/toolkit/toolkit.h"
#include "headless_clipboard.h"
#include "headless_combo_box.h"
#include "headless_dialogs.h"
#include "headless_event_pump.h"
#include "headless_file_dialog.h"
#include "headless_list_view.h"
#include "headless_progress_bar.h"
#include "headless_settings_store.h"
#include "headless_skin_engine.h"
#include "headless_window.h"

namespace tavrolin::headless {

// Every component of the main window, in memory, ready to be scripted by a test.
class HeadlessToolkit {
public:
    explicit HeadlessToolkit(const QString& programFolder = QString());
    HeadlessToolkit(const HeadlessToolkit&) = delete;
    HeadlessToolkit& operator=(const HeadlessToolkit&) = delete;

    Toolkit& toolkit() { return m_toolkit; }

    HeadlessWindow form;
    HeadlessListView listView1;
    HeadlessListView listView2;
    HeadlessComboBox combo1;
    HeadlessProgressBar progressBar1;
    HeadlessDialogs dialogs;
    HeadlessFileDialog commonDialog1;
    HeadlessClipboard clipboard;
    HeadlessSettingsStore settings;
    HeadlessSkinEngine skinFramework1;
    HeadlessEventPump events;

private:
    // Without an undo history there is nothing to roll back.
    struct NoHistory : ChangeHistory {
        void record(std::unique_ptr<ListChange>) override {}
        ListChange* latest() override { return nullptr; }
        int open() override { return 0; }
        void close(int) override {}
        void rollBack(int) override {}
    };
    NoHistory m_history;
    Toolkit m_toolkit;
};

} // namespace tavrolin::headless
