#pragma once

namespace tavrolin {

class MessageBoxes;
class ToolDialogs;
class EventPump;
class ListView;
class MousePointer;
class Separator;

// What "List Figures" works on: it reads the entries and shows the busy pointer while it counts.
struct FiguresParts {
    MessageBoxes& dialogs;
    ToolDialogs& toolDialogs;
    MousePointer& pointer;
    const ListView& listView1;
    EventPump& events;
};

// "List Figures": counts the entry list's figures, letting window events run between parts of
// a long list, and shows them. The caller refuses removals meanwhile, as during a creation.
void showListFigures(const FiguresParts& ui, const Separator& separator);

} // namespace tavrolin
