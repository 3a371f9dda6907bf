#pragma once

namespace tavrolin {

class Dialogs;
class EventPump;
class ListView;
class MousePointer;
class Separator;

// What "List Figures" works on: it reads the entries and shows the busy pointer while it counts.
struct FiguresParts {
    Dialogs& dialogs;
    MousePointer& pointer;
    const ListView& listView1;
    EventPump& events;
};

// "List Figures": counts the entry list's figures, letting window events run between parts of
// a long list, and shows them. The caller refuses removals meanwhile, as during a creation.
void showListFigures(const FiguresParts& ui, const Separator& separator);

} // namespace tavrolin
