// Writes the manual page and the bash completion from the option tables, at build time:
//   tavrolin_option_documents manual TEMPLATE NOTES OUTPUT
//   tavrolin_option_documents completion OUTPUT

#include "option_documents.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

namespace {

bool read(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool write(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

int fail(const QString& reason) {
    std::fprintf(stderr, "tavrolin_option_documents: %s\n", qPrintable(reason));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.size() == 4 && arguments.at(0) == u"manual") {
        QString pageTemplate;
        QString notes;
        if (!read(arguments.at(1), pageTemplate) || !read(arguments.at(2), notes))
            return fail(
                QStringLiteral("cannot read %1 or %2").arg(arguments.at(1), arguments.at(2)));
        const tavrolin::ManualPage page = tavrolin::manualPage(pageTemplate, notes);
        if (!page.error.isEmpty())
            return fail(page.error);
        return write(arguments.at(3), page.text) ? 0 : fail(arguments.at(3));
    }
    if (arguments.size() == 2 && arguments.at(0) == u"completion")
        return write(arguments.at(1), tavrolin::bashCompletion()) ? 0 : fail(arguments.at(1));
    return fail(QStringLiteral("usage: manual TEMPLATE NOTES OUTPUT | completion OUTPUT"));
}
