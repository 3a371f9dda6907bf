#include "headless_toolkit.h"

namespace tavrolin::headless {

HeadlessToolkit::HeadlessToolkit(const QString& programFolder)
    : form(programFolder)
    , dialogs(form)
    , events(form)
    , m_toolkit{form,          listView1, listView2, combo1,         progressBar1, dialogs,
                commonDialog1, clipboard, settings,  skinFramework1, events,       m_history} {}

} // namespace tavrolin::headless
