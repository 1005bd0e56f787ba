#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class LMGraphView;
class LMScreenMsgHandlerInf;
class LMToolEnvironment;
class QWidget;

// Every tool of the program in one place: its id (the object name the
// palette buttons name in their "func" property), how it is made, its
// button in the window's form and the language line of that button's tip.
namespace LMToolTable {

struct Entry {
    const char *id;
    std::function<LMScreenMsgHandlerInf *(LMToolEnvironment *)> make;
    const char *button;
    int tipLine; // -1: the window sets the button's caption or tip itself
};

const std::vector<Entry> &entries();

// Makes every tool, each a child of `canvas` named by its id.
void createTools(LMGraphView *canvas);

// What does not match between the table and the buttons under `window`:
// a tool without its button, a button for no tool. Empty when all match.
QStringList mismatches(const QWidget *window);

} // namespace LMToolTable
