#pragma once

#include <QString>
#include <exception>

namespace tavrolin {

// A failing statement: the platform's error number and its description, as shown in the
// error report.
class RuntimeError : public std::exception {
public:
    // Error `number` with the platform's description of it (error::text), as in
    // throw RuntimeError::of(error::Overflow);
    static RuntimeError of(int number);
    // The same description followed by a colon, a space and the detail.
    static RuntimeError of(int number, const QString& detail);

    // A description the platform's table does not hold for that number.
    RuntimeError(int number, QString description);

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override;

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

// Error numbers the program raises or tells apart; error::text gives each one's description.
namespace error {
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int BadFileNameOrNumber = 52;
constexpr int DeviceIo = 57;
constexpr int PathFileAccess = 75;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380;
constexpr int InvalidPicture = 481;
constexpr int ClipboardBusy = 521;
constexpr int NameBufferTooSmall = 20476;
constexpr int IndexOutOfBounds = 35600;

// The platform's description of the error; empty for a number not listed above.
QString text(int number);
} // namespace error

// Thrown by a trap once it has reported a failure that the running operation cannot go on
// from (memory ran out): it unwinds the operation up to its handler, which puts the window back
// at rest, and is never trapped.
struct OperationStopped {};

// Whether the error is the platform's out-of-memory error.
bool isOutOfMemory(const RuntimeError& error);

// Thrown by the event pump once the main window has been closed while an operation runs: it
// unwinds the running operation (so files are released cleanly) and is never trapped.
struct ProcessEnding {};

} // namespace tavrolin
