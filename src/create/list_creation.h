#pragma once

namespace tavrolin {

class Separator;
struct Toolkit;

// "Start Creating List": joins the entries of ListView1 in order with the separator between
// each two and makes the joined text the one row of ListView2. Window events run after every
// entry; the caller refuses a second press meanwhile.
void createList(Toolkit& ui, Separator& separator);

} // namespace tavrolin
