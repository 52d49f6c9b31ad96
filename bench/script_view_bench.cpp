// With a million actions: one step of Find through a list no action of which holds the text;
// and with the live script view shown, each change of one action and its undo (a move,
// Remove, Properties), Clear All, opening the file, and showing the view. The changes are
// timed from the command to the window's having handled every event it caused.

#include <QDockWidget>
#include <QLineEdit>

#include "modal_script.h"
#include "ui/main/find_bar.h"
#include "ui/main/script_view.h"
#include "window_bench.h"

namespace kestrune::bench {
namespace {

void fail(benchmark::State& state, const char* why) {
    state.SkipWithError(why);
}

// The window of a million actions, its list as read, the view shown or hidden.
Window* millionWindow(benchmark::State& state, bool viewShown) {
    Window& w = shared(kMillion);
    // Back to the file as read when changes have piled up, and nothing left to undo.
    if (!ensureList(w, kMillion) || w.window->document().modified) {
        if (!openList(w, kMillion)) {
            fail(state, "the list was not opened");
            return nullptr;
        }
    }
    withScriptView(w, viewShown);
    return &w;
}

void trigger(Window& w, Command command, Route route = Route::Toolbar) {
    w.window->action(command, route)->trigger();
    settle();
}

// Times the command alone; its undo, untimed, puts the list back.
void change(benchmark::State& state, Command command) {
    Window* w = millionWindow(state, true);
    if (w == nullptr) {
        return;
    }
    for (auto _ : state) {
        select(*w, kMillion / 2);
        const Clock::time_point start = Clock::now();
        trigger(*w, command);
        state.SetIterationTime(secondsSince(start));
        trigger(*w, Command::Undo, Route::Menu);
    }
}

// Times the undo alone.
void undo(benchmark::State& state, Command command) {
    Window* w = millionWindow(state, true);
    if (w == nullptr) {
        return;
    }
    for (auto _ : state) {
        select(*w, kMillion / 2);
        trigger(*w, command);
        const Clock::time_point start = Clock::now();
        trigger(*w, Command::Undo, Route::Menu);
        state.SetIterationTime(secondsSince(start));
    }
}

// Properties goes through the editor, a dialog of its own; its change is timed as Redo
// puts it back, and as Undo takes it away, through the same step.
void properties(benchmark::State& state, bool timeUndo) {
    Window* w = millionWindow(state, true);
    if (w == nullptr) {
        return;
    }
    // An "Other" action changed once by the editor, which confirms it as it stands.
    const int row = kMillion / 2 + 15;
    select(*w, row);
    bool shown = false;
    QObject guard;
    test::whenModalShows<QDialog>(guard, shown,
                                  [](QDialog& editor) { test::clickIn(editor, "cmdOkOther"); });
    trigger(*w, Command::Properties);
    if (!shown || w->window->action(Command::Undo, Route::Menu)->text() != "&Undo Properties") {
        fail(state, "the editor did not change the action");
        return;
    }
    for (auto _ : state) {
        const Command first = timeUndo ? Command::Redo : Command::Undo;
        trigger(*w, first, Route::Menu);
        const Clock::time_point start = Clock::now();
        trigger(*w, first == Command::Redo ? Command::Undo : Command::Redo, Route::Menu);
        state.SetIterationTime(secondsSince(start));
    }
    trigger(*w, Command::Undo, Route::Menu);
}

void clearAll(benchmark::State& state) {
    for (auto _ : state) {
        Window* w = millionWindow(state, true);
        if (w == nullptr) {
            return;
        }
        w->prompts.answers.push_back(Answer::Yes);
        const Clock::time_point start = Clock::now();
        trigger(*w, Command::Clear, Route::PopUp);
        state.SetIterationTime(secondsSince(start));
        if (w->window->model().rowCount() != 0) {
            fail(state, "the list was not cleared");
            return;
        }
    }
}

void openShown(benchmark::State& state) {
    Window* w = millionWindow(state, true);
    if (w == nullptr) {
        return;
    }
    for (auto _ : state) {
        w->window->model().clear();
        settle();
        const Clock::time_point start = Clock::now();
        const bool whole = openList(*w, kMillion);
        state.SetIterationTime(secondsSince(start));
        if (!whole) {
            fail(state, "the list was not opened");
            return;
        }
    }
}

// The file opened while the view was hidden, which then kept nothing: shown, the view counts
// the whole script.
void showView(benchmark::State& state) {
    Window* w = millionWindow(state, false);
    if (w == nullptr) {
        return;
    }
    for (auto _ : state) {
        withScriptView(*w, false);
        if (!openList(*w, kMillion)) {
            fail(state, "the list was not opened");
            return;
        }
        const Clock::time_point start = Clock::now();
        withScriptView(*w, true);
        state.SetIterationTime(secondsSince(start));
        if (w->window->scriptView()->lines().rowCount() < kMillion) {
            fail(state, "the view shows no script");
            return;
        }
    }
    withScriptView(*w, false);
}

// F3 with a text no action holds: every action is looked at, round the end of the list.
void findStep(benchmark::State& state) {
    Window* w = millionWindow(state, false);
    if (w == nullptr) {
        return;
    }
    select(*w, kMillion / 2);
    trigger(*w, Command::Find, Route::Menu);
    FindBar* bar = w->window->findBar();
    bar->field()->setText(QStringLiteral("no action holds this"));
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(bar->field(), Qt::Key_F3);
        settle();
        state.SetIterationTime(secondsSince(start));
        if (bar->statusText().isEmpty() || w->window->selectedRow() != kMillion / 2) {
            fail(state, "the text was found");
            return;
        }
    }
    QTest::keyClick(bar->field(), Qt::Key_Escape);
}

}  // namespace

void registerViewBenchmarks() {
    addBenchmark("window/find-step/1000000", findStep, 10);
    addBenchmark(
        "window/script-view-move/1000000", [](benchmark::State& s) { change(s, Command::Down); },
        50);
    addBenchmark(
        "window/script-view-move-undo/1000000", [](benchmark::State& s) { undo(s, Command::Down); },
        50);
    addBenchmark(
        "window/script-view-remove/1000000",
        [](benchmark::State& s) { change(s, Command::Remove); }, 50);
    addBenchmark(
        "window/script-view-remove-undo/1000000",
        [](benchmark::State& s) { undo(s, Command::Remove); }, 50);
    addBenchmark(
        "window/script-view-properties/1000000", [](benchmark::State& s) { properties(s, false); },
        50);
    addBenchmark(
        "window/script-view-properties-undo/1000000",
        [](benchmark::State& s) { properties(s, true); }, 50);
    addBenchmark("window/script-view-clear/1000000", clearAll, 3);
    addBenchmark("window/script-view-open/1000000", openShown, 3);
    addBenchmark("window/script-view-show/1000000", showView, 3);
}

}  // namespace kestrune::bench
