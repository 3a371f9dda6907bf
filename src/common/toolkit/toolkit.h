#pragma once

#include "change_history.h"
#include "clipboard.h"
#include "combo_box.h"
#include "common/operation_state.h"
#include "event_pump.h"
#include "file_dialog.h"
#include "list_view.h"
#include "message_boxes.h"
#include "mouse_pointer.h"
#include "process.h"
#include "progress_bar.h"
#include "settings_store.h"
#include "skin_engine.h"
#include "tool_dialogs.h"
#include "window.h"
#include "window_colours.h"

namespace tavrolin {

// Every window component the logic works on, named as on the main window.
struct Toolkit {
    Window& form;
    WindowColours& colours;
    MousePointer& pointer;
    Process& process;
    ListView& listView1;
    ListView& listView2;
    ComboBox& combo1;
    ProgressBar& progressBar1;
    MessageBoxes& dialogs;
    ToolDialogs& toolDialogs;
    FileDialog& commonDialog1;
    Clipboard& clipboard;
    SettingsStore& settings;
    SkinEngine& skinFramework1;
    EventPump& events;
    ChangeHistory& history;
    OperationState& operation;
};

} // namespace tavrolin
