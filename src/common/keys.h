#pragma once

namespace tavrolin {

// Key codes of key-down events.
constexpr int kKeyDelete = 46;

} // namespace tavrolin
