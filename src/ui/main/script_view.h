#pragma once

// The live script view beside the list: the script Make Script would write, line by line,
// in a fixed-width font, with the selected action's lines highlighted and an action the
// writer refuses marked where its lines would be. Which lines are whose comes from the
// writer. It renders only while it is shown; hidden, it only notes that it is behind.

#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/action_list.h"
#include "files/script_format.h"
#include "ui/main/action_list_view.h"

namespace kestrune {

class ActionListModel;

// The rendered script as rows: its lines, and one marked row per refused action.
class ScriptLinesModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    void setScript(const ActionList& list, MappedScript script);
    // The rows of that action are highlighted (none: no row is).
    void setHighlight(std::optional<int> action);

    // The action a row belongs to; none for the header, the empty lines and no row.
    std::optional<int> actionAt(int row) const;
    // The first row of an action (its marked row when refused); none for an action that
    // writes no line, or no action.
    std::optional<int> firstRowOf(int action) const;
    bool refusedRow(int row) const;
    // The most characters on one row.
    std::size_t widestRow() const { return widest_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    struct Row {
        std::uint32_t begin = 0;  // in bytes_, or in refused_ for a refused action
        std::uint32_t length = 0;
        std::int32_t action = -1;
        bool refused = false;
    };
    struct Span {
        int first = 0;
        int count = 0;
    };

    std::string bytes_;
    std::string refused_;
    std::vector<Row> rows_;
    std::vector<Span> spans_;  // per action
    std::optional<int> highlight_;
    std::size_t widest_ = 0;
};

// A flat view like the action list's: nothing kept per line, so that a change to a long
// script costs no layout of every line.
class ScriptView : public ActionListView {
    Q_OBJECT
  public:
    // selected gives the list's selected row when asked.
    ScriptView(ActionListModel& list, std::function<std::optional<int>()> selected,
               QWidget* parent = nullptr);

    ScriptLinesModel& lines() { return lines_; }
    // The list changed: rendered again at once when shown, else when next shown.
    void listChanged();
    // Highlights the selected action's lines and brings them into view.
    void selectionChanged();

  signals:
    // A line of that action was clicked.
    void actionClicked(int action);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The one column is as wide as the widest line, or the view.
    void fitColumn();

    ActionListModel& list_;
    std::function<std::optional<int>()> selected_;
    ScriptLinesModel lines_;
    bool behind_ = true;
};

}  // namespace kestrune
