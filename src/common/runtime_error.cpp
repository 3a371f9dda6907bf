#include "runtime_error.h"

#include <utility>

namespace tavrolin {

namespace {

struct ErrorText {
    int number;
    const char16_t* text;
};

// The descriptions the user sees in the error report, word for word as the platform gives them.
constexpr ErrorText kErrorTexts[] = {
    {error::Overflow, u"Overflow"},
    {error::OutOfMemory, u"Out of memory"},
    {error::DivisionByZero, u"Division by zero"},
    {error::TypeMismatch, u"Type mismatch"},
    {error::BadFileNameOrNumber, u"Bad file name or number"},
    {error::FileNotFound, u"File not found"},
    {error::DeviceIo, u"Device I/O error"},
    {error::PathFileAccess, u"Path/File access error"},
    {error::ObjectNotSet, u"Object variable or With block variable not set"},
    {error::InvalidPropertyValue, u"Invalid property value"},
    {error::InvalidPicture, u"Invalid picture"},
    {error::ClipboardBusy, u"Can't open Clipboard"},
    {error::NameBufferTooSmall,
     u"The FileName buffer is too small to store the selected file name(s)."},
    {error::IndexOutOfBounds, u"Index out of bounds"},
};

} // namespace

QString error::text(int number) {
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.number == number)
            return QString::fromUtf16(entry.text);
    }
    return QString();
}

bool isOutOfMemory(const RuntimeError& error) {
    return error.number() == error::OutOfMemory;
}

RuntimeError RuntimeError::of(int number) {
    return RuntimeError(number, error::text(number));
}

RuntimeError RuntimeError::of(int number, const QString& detail) {
    return RuntimeError(number, error::text(number) + QStringLiteral(": ") + detail);
}

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8()) {}

const char* RuntimeError::what() const noexcept {
    return m_what.constData();
}

} // namespace tavrolin
