#pragma once

// The live script view beside the list: the script Make Script would write, line by line,
// in a fixed-width font, with the selected action's lines highlighted and an action the
// writer refuses marked where its lines would be. It follows each change of the list as the
// list model tells it, counting again only where the change is; hidden, it keeps nothing and
// counts the whole script once it is shown again.

#include <cstddef>
#include <functional>
#include <optional>

#include "ui/main/action_list_view.h"
#include "ui/main/script_lines_model.h"

namespace kestrune {

class ActionListModel;

// A flat view like the action list's: nothing kept per line, so that a change to a long
// script costs no layout of every line.
class ScriptView : public ActionListView {
    Q_OBJECT
  public:
    // selected gives the list's selected row when asked.
    ScriptView(ActionListModel& list, std::function<std::optional<int>()> selected,
               QWidget* parent = nullptr);

    ScriptLinesModel& lines() { return lines_; }
    // Highlights the selected action's lines, which become the view's selection, and brings
    // them into view.
    void selectionChanged();

  signals:
    // A line of that action was clicked.
    void actionClicked(int action);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The oldCount actions from first on are now newCount others.
    void listReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount);
    // The list is another: counted whole when shown, else when next shown.
    void listReset();
    // The one column is as wide as the widest line, or the view.
    void fitColumn();

    ActionListModel& list_;
    std::function<std::optional<int>()> selected_;
    ScriptLinesModel lines_;
    bool behind_ = true;
};

}  // namespace kestrune
