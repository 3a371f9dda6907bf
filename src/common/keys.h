#pragma once

namespace tavrolin {

// Key codes of key-down events, the same on every toolkit. A letter's code is that of its
// capital, a digit's that of the digit character.
constexpr int kKeyBackspace = 8;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;

} // namespace tavrolin
