#include "ui/main/floating_toolbar.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "core/action_list.h"
#include "core/cp1252_text.h"
#include "platform/text_codec.h"
#include "ui/main/images.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace texts = main_texts;

namespace {

// The width of a blank placeholder where the main toolbar has a gap.
constexpr int kPlaceholderWidth = 8;

}  // namespace

MainLayout FloatedLayout(MainLayout layout) {
    layout.listTop = kFloatingListTop;
    layout.listHeight += kToolbarBand;
    return layout;
}

MainLayout DockedLayout(MainLayout layout) {
    layout.listTop = kDockedListTop;
    layout.listHeight -= kToolbarBand;
    return layout;
}

// --- the window --------------------------------------------------------------------------

FloatingToolbar::FloatingToolbar(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    InitImages();
    setObjectName(QStringLiteral("frmTool"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::Tr(texts::kFloatingCaption));
    buildToolbar();

    const QSize hint = toolbar_->sizeHint();
    const QSize client(std::max(TwipsToPixels(kFloatingWidth, logicalDpiX()), hint.width()),
                       std::max(TwipsToPixels(kFloatingHeight, logicalDpiY()), hint.height()));
    toolbar_->setGeometry(QRect(QPoint(0, 0), client));
    setFixedSize(client);
}

void FloatingToolbar::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->installEventFilter(this);
    toolbar_->setAccessibleName(texts::Tr(texts::accessible::kToolbar));
    int position = 0;
    for (const auto& command : kToolbarPositions) {
        QAction* action = nullptr;
        if (!command) {
            auto* blank = new QWidget(toolbar_);
            blank->setFixedWidth(kPlaceholderWidth);
            action = toolbar_->addWidget(blank);
            action->setProperty("key", QString());
        } else {
            const CommandRow& row = RowOf(*command);
            const QString tooltip = CommandText(row.floatingTooltip);
            action = toolbar_->addAction(ToolbarPicture(row.picture), tooltip);
            action->setToolTip(tooltip);
            action->setObjectName(Utf8Text(row.key));
            action->setProperty("key", Utf8Text(row.key));
            buttons_[IndexOf(*command)] = action;
            toolbar_->widgetForAction(action)->setAccessibleName(
                ButtonName(row, Route::FloatingToolbar));
            const Command clicked = *command;
            connect(action, &QAction::triggered, this,
                    [this, clicked] { Toolbar_ButtonClick(clicked); });
        }
        action->setProperty("position", ++position);
    }
    // The toolbar's own button for those that don't fit shows a picture only too.
    for (QToolButton* more : toolbar_->findChildren<QToolButton*>()) {
        if (more->accessibleName().isEmpty()) {
            more->setAccessibleName(texts::Tr(texts::accessible::kMoreButtons));
        }
    }
}

std::optional<QString> FloatingToolbar::Form_Load(const ActionList& list,
                                                  std::optional<std::size_t> selectedRow) {
    if (list.empty() || !selectedRow || *selectedRow >= list.size()) {
        return std::nullopt;
    }
    QString text = texts::ShownAction(list[*selectedRow]);
    setWindowTitle(text);
    return text;
}

void FloatingToolbar::applyCommandState(const CommandState& state,
                                        const QString& selectedActionText) {
    switch (state.floatingCaption) {
        case TextChange::FloatingCaption:
            setWindowTitle(texts::Tr(texts::kFloatingCaption));
            break;
        case TextChange::SelectedAction:
            setWindowTitle(selectedActionText);
            break;
        default:
            break;
    }
    state.buttons.forEachButton([this](Command command, bool on) {
        if (QAction* action = button(command)) {
            action->setEnabled(on);
        }
    });
}

void FloatingToolbar::Toolbar_ButtonClick(Command command) {
    if (button(command) == nullptr) {
        return;
    }
    if (command == Command::Toolbar) {
        close();
        return;
    }
    // The command may take a while (a modal editor, say); the window may be gone after it.
    const QPointer<FloatingToolbar> self(this);
    emit commandClicked(command);
    if (self) {
        returnFocus();
    }
}

void FloatingToolbar::returnFocus() {
    // The main window's keyboard shortcuts work again once a click here is done.
    if (QWidget* owner = parentWidget(); owner != nullptr && isVisible()) {
        owner->activateWindow();
    }
}

void FloatingToolbar::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

void FloatingToolbar::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    returnFocus();
}

bool FloatingToolbar::eventFilter(QObject* watched, QEvent* event) {
    // A release on the toolbar's own background, between and around the buttons.
    if (watched == toolbar_ && event->type() == QEvent::MouseButtonRelease) {
        returnFocus();
    }
    return QWidget::eventFilter(watched, event);
}

// --- its holder --------------------------------------------------------------------------

FloatingToolbarHolder::FloatingToolbarHolder(QWidget* owner,
                                             std::function<void(FloatingToolbar&)> setUp)
    : QObject(owner), owner_(owner), setUp_(std::move(setUp)) {}

FloatingToolbar& FloatingToolbarHolder::window() {
    if (window_ == nullptr) {
        window_ = new FloatingToolbar(owner_);
        connect(window_, &FloatingToolbar::closed, this, [this] {
            // Whoever asks next gets a new window, with its load steps run again.
            window_ = nullptr;
            emit docked();
        });
        if (setUp_) {
            setUp_(*window_);
        }
        placed_ = false;
    }
    return *window_;
}

bool FloatingToolbarHolder::isShown() const {
    return window_ != nullptr && window_->isVisible();
}

void FloatingToolbarHolder::Float(const QPoint& topLeft) {
    FloatingToolbar& tool = window();
    if (!placed_) {
        tool.move(topLeft);
        placed_ = true;
    }
    tool.show();
    tool.raise();
}

void FloatingToolbarHolder::Dock() {
    if (window_ != nullptr) {
        window_->close();
    }
}

}  // namespace kestrune
