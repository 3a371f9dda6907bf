#include "toolkit_driver.h"

namespace tavrolin::testing {

namespace {

QString asGiven(const QString& text) {
    return text;
}

QString withLineBreaks(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

} // namespace

std::unique_ptr<ToolkitDriver> makeDriver(const QString& toolkit) {
    return toolkit == u"qt" ? makeQtDriver() : makeHeadlessDriver();
}

std::unique_ptr<ToolkitDriver> loadedDriver(const QString& toolkit) {
    auto driver = makeDriver(toolkit);
    driver->load();
    return driver;
}

ToolkitDifferences differencesOf(const QString& toolkit) {
    if (toolkit == u"qt")
        return {withLineBreaks};
    return {asGiven};
}

} // namespace tavrolin::testing
