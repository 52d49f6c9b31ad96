#include "ui/main/find_bar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <string>

#include "core/action_find.h"
#include "core/cp1252_text.h"
#include "platform/shown_text.h"
#include "platform/text_codec.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace texts = main_texts::find;

namespace {

// The text as the document holds text; none when it has a character Windows-1252 lacks,
// which no action can then hold.
std::optional<std::string> documentText(const QString& text) {
    std::string out;
    for (const char32_t code : text.toUcs4()) {
        const auto byte = cp1252Byte(code);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(*byte);
    }
    return out;
}

}  // namespace

FindBar::FindBar(const ActionList& list, std::function<std::optional<int>()> selected,
                 std::function<void(int)> select, QWidget* parent)
    : QWidget(parent),
      list_(list),
      selected_(std::move(selected)),
      select_(std::move(select)),
      txtFind_(new QLineEdit(this)),
      lblFound_(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setAccessibleName(main_texts::Tr(main_texts::accessible::kFindField));
    txtFind_->setClearButtonEnabled(true);
    // The field's clear button shows a picture only.
    for (QToolButton* button : txtFind_->findChildren<QToolButton*>()) {
        button->setAccessibleName(main_texts::Tr(main_texts::accessible::kClearFind));
    }
    lblFound_->setObjectName(QStringLiteral("lblFound"));
    auto* caption = new QLabel(main_texts::Tr(texts::kCaption), this);
    caption->setBuddy(txtFind_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(caption);
    layout->addWidget(txtFind_, 1);
    layout->addWidget(lblFound_, 1);
    hide();

    connect(txtFind_, &QLineEdit::textEdited, this, [this] { typed(); });
    connect(txtFind_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    // F3 and Shift+F3 wherever the focus is while the bar is shown.
    const auto key = [this](QKeyCombination keys, auto slot) {
        auto* item = new QAction(this);
        item->setShortcut(QKeySequence(keys));
        item->setShortcutContext(Qt::WindowShortcut);
        addAction(item);
        connect(item, &QAction::triggered, this, slot);
    };
    key(QKeyCombination(Qt::Key_F3), [this] { findNext(); });
    key(QKeyCombination(Qt::ShiftModifier, Qt::Key_F3), [this] { findPrevious(); });
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    // Escape in the field, which leaves it to the bar.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeBar();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString FindBar::statusText() const {
    return lblFound_->text();
}

void FindBar::open() {
    searched_ = false;  // a new search begins after the selection
    const bool wasHidden = isHidden();
    show();
    txtFind_->setFocus(Qt::ShortcutFocusReason);
    txtFind_->selectAll();
    if (wasHidden) {
        emit shownChanged();
    }
}

void FindBar::closeBar() {
    hide();
    lblFound_->clear();
    emit shownChanged();
}

void FindBar::typed() {
    const auto selected = selected_();
    // A selection the bar didn't leave starts the search afresh, after it.
    if (!searched_ || selected != left_) {
        origin_ = selected ? static_cast<std::size_t>(*selected) + 1 : 0;
    }
    search(origin_, true, false);
}

void FindBar::findNext() {
    const auto selected = selected_();
    search(selected ? static_cast<std::size_t>(*selected) + 1 : 0, true, true);
}

void FindBar::findPrevious() {
    const auto selected = selected_();
    const std::size_t count = list_.size();
    // The one before the selection, or the last when the first (or none) is selected.
    std::size_t from = count == 0 ? 0 : count - 1;
    if (selected && *selected > 0) {
        from = static_cast<std::size_t>(*selected) - 1;
    }
    search(from, false, true);
}

void FindBar::search(std::size_t row, bool forward, bool goingOn) {
    const QString text = txtFind_->text();
    const auto bytes = documentText(text);
    std::optional<std::size_t> found;
    if (!list_.empty()) {
        const ActionFinder finder(bytes, KindsShownHolding(text));
        found = forward ? finder.next(list_, row) : finder.previous(list_, row);
    }
    if (found) {
        lblFound_->clear();
        select_(static_cast<int>(*found));
        // Gone on to an action, a longer text starts at it.
        if (goingOn) {
            origin_ = *found;
        }
    } else {
        lblFound_->setText(text.isEmpty() ? QString() : main_texts::Tr(texts::kNotFound));
    }
    searched_ = true;
    left_ = selected_();
}

}  // namespace kestrune
