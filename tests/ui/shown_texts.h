#pragma once

// Every text of the program's own that a window shows a user, keyed by where it shows: window
// titles, labels, buttons, group boxes, menus and their items, tooltips, status tips,
// placeholders, drop-down lists, column headers, and the names a screen reader reads; widgets
// on pages not shown count too. Texts without a letter (numbers, "#") tell nothing of a
// language and are left out, as are Qt's own widgets inside ours ("qt_" names, the menu bar's
// menu of the menus that don't fit), which Qt's translations speak for.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <map>
#include <set>

namespace kestrune::test {

using ShownTexts = std::map<QString, QString>;

inline void addShown(ShownTexts& out, const QString& key, const QString& text) {
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) {
        out[key] = text;
    }
}

// The cells of the item views whose cells are the program's words, by name, and the columns
// that are: the rest hold the document's own text.
inline void addShownCells(ShownTexts& out, const QString& key, const QAbstractItemView* view) {
    static const std::map<QString, std::set<int>> wordColumns = {{"lstAction", {0}},
                                                                 {"lstReport", {1, 2, 3}}};
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) {
        return;
    }
    for (int c = 0; c < model->columnCount(); ++c) {
        addShown(out, key + ":header" + QString::number(c),
                 model->headerData(c, Qt::Horizontal).toString());
    }
    const auto words = wordColumns.find(view->objectName());
    for (int r = 0; words != wordColumns.end() && r < model->rowCount(); ++r) {
        for (const int c : words->second) {
            const QModelIndex index = model->index(r, c);
            const QString at = key + ":" + QString::number(r) + "," + QString::number(c);
            addShown(out, at, model->data(index).toString());
            addShown(out, at + ":description",
                     model->data(index, Qt::AccessibleDescriptionRole).toString());
        }
    }
}

inline void collectShown(const QWidget* widget, const QString& key, ShownTexts& out) {
    if (widget->isWindow() || qobject_cast<const QDockWidget*>(widget) != nullptr) {
        addShown(out, key + ":title", widget->windowTitle());
    }
    addShown(out, key + ":tip", widget->toolTip());
    addShown(out, key + ":statusTip", widget->statusTip());
    addShown(out, key + ":name", widget->accessibleName());
    addShown(out, key + ":description", widget->accessibleDescription());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        addShown(out, key + ":text", button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        addShown(out, key + ":text", label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        addShown(out, key + ":text", group->title());
    } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        addShown(out, key + ":placeholder", line->placeholderText());
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget);
               box && !box->isEditable()) {
        // An editable list offers the document's shares; a fixed one, the program's choices.
        for (int i = 0; i < box->count(); ++i) {
            addShown(out, key + ":item" + QString::number(i), box->itemText(i));
        }
    } else if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        addShown(out, key + ":text", menu->title());
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        addShownCells(out, key, view);
    }
    int i = 0;
    for (const QAction* action : widget->actions()) {
        const QString at = key + "/action" + QString::number(i++) + ":" + action->objectName();
        addShown(out, at + ":text", action->text());
        addShown(out, at + ":tip", action->toolTip());
        addShown(out, at + ":statusTip", action->statusTip());
    }
    i = 0;
    for (const QObject* child : widget->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        const bool qts = child->objectName().startsWith(QLatin1String("qt_")) ||
                         (qobject_cast<const QMenu*>(child) && child->objectName().isEmpty());
        if (w != nullptr && !qts) {
            const QString name = w->objectName().isEmpty()
                                     ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
            collectShown(w, key + "/" + name + "#" + QString::number(i), out);
        }
        ++i;
    }
}

inline ShownTexts shownTexts(const QWidget* window, const QString& key) {
    ShownTexts out;
    collectShown(window, key, out);
    return out;
}

}  // namespace kestrune::test
