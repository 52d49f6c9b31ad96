#pragma once

// Edit > Find: a bar above the list. Typing selects the next action whose kind or Details
// hold the text, from the one after the selection and round past the end; Enter and F3 go
// on to the next, Shift+F3 back to the one before, Escape closes the bar.

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>

#include "core/action_list.h"

class QLabel;
class QLineEdit;

namespace kestrune {

class FindBar : public QWidget {
    Q_OBJECT
  public:
    // selected gives the list's selected row; select selects a row and shows it.
    FindBar(const ActionList& list, std::function<std::optional<int>()> selected,
            std::function<void(int)> select, QWidget* parent = nullptr);

    // Shows the bar with its text chosen, ready for a new one.
    void open();
    void findNext();
    void findPrevious();

    QLineEdit* field() const { return txtFind_; }
    // Empty, or what the bar says of its last search.
    QString statusText() const;

  signals:
    // Shown or closed: the list makes room for it, or takes its place back.
    void shownChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void typed();
    void closeBar();
    // Searches from row on (or back from it) and selects what it finds; goingOn: Enter, F3
    // or Shift+F3 rather than typing.
    void search(std::size_t row, bool forward, bool goingOn);

    const ActionList& list_;
    std::function<std::optional<int>()> selected_;
    std::function<void(int)> select_;
    QLineEdit* txtFind_;
    QLabel* lblFound_;
    // Typing searches from here again, so that a longer text keeps the action it found as
    // long as that still holds it, while the selection is the one the last search left.
    std::size_t origin_ = 0;
    bool searched_ = false;
    std::optional<int> left_;
};

}  // namespace kestrune
