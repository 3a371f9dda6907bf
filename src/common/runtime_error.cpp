#include "runtime_error.h"

#include <utility>

namespace tavrolin {

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8()) {}

const char* RuntimeError::what() const noexcept {
    return m_what.constData();
}

} // namespace tavrolin
