// The main window's widgets: the menus and the main toolbar, each item built from its
// command's row, the list, and their places in twips.

#include <QAccessible>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "core/action.h"
#include "platform/text_codec.h"
#include "ui/main/action_list_model.h"
#include "ui/main/action_list_view.h"
#include "ui/main/document_commands.h"
#include "ui/main/find_bar.h"
#include "ui/main/images.h"
#include "ui/main/main_window.h"

namespace kestrune {

namespace texts = main_texts;

namespace {

// Each toolbar button carries its key, as the buttons of the toolbar are known by it.
const char* const kKeyProperty = "key";

}  // namespace

QMenu* MainWindow::buildMenu(MenuId id, const main_texts::Menu& texts, const auto& entries) {
    // A pop-up-only menu is never shown by its caption, which is its name.
    auto* menu = menuBar()->addMenu(texts.inMenuBar ? main_texts::Tr(texts.caption)
                                                    : Utf8Text(texts.caption));
    menu->setObjectName(Utf8Text(texts.name));
    menu->menuAction()->setObjectName(Utf8Text(texts.name));
    menu->menuAction()->setVisible(texts.inMenuBar);
    menus_[static_cast<std::size_t>(id)] = menu;
    const Route route = id == MenuId::PopUp ? Route::PopUp : Route::Menu;
    std::array<QAction*, main_texts::kRecentCount> recent{};
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case EntryKind::Command:
                buildMenuItem(menu, entry.command, route);
                break;
            case EntryKind::Separator:
                menu->addSeparator()->setObjectName(Utf8Text(entry.name));
                break;
            case EntryKind::RecentFiles:
                // Hidden until there is a file to show; numbered from 1.
                for (int n = 1; n <= main_texts::kRecentCount; ++n) {
                    QAction* item = menu->addAction(QString::number(n));
                    item->setObjectName(Utf8Text(entry.name) + QString::number(n));
                    item->setVisible(false);
                    connect(item, &QAction::triggered, this, [this, n] {
                        cancelCheck();
                        documents_->Open(OpenForm::Recent, n);
                    });
                    recent[static_cast<std::size_t>(n - 1)] = item;
                }
                break;
            case EntryKind::RecentSeparator: {
                QAction* separator = menu->addSeparator();
                separator->setObjectName(Utf8Text(entry.name));
                separator->setVisible(false);
                documents_->setRecentItems(recent, separator);
                break;
            }
        }
    }
    return menu;
}

QAction* MainWindow::buildMenuItem(QMenu* menu, Command command, Route route) {
    const CommandRow& row = RowOf(command);
    const bool popUp = route == Route::PopUp;
    QAction* item = menu->addAction(CommandText(popUp ? row.popUpCaption : row.menuCaption));
    item->setObjectName(Utf8Text(popUp ? row.popUpName : row.menuName));
    // Shortcuts belong to the menu bar's items; the right-click menu shows none.
    if (!popUp && !row.shortcut.empty()) {
        item->setShortcuts(
            QKeySequence::listFromString(Utf8Text(row.shortcut), QKeySequence::PortableText));
    }
    item->setCheckable(!popUp && row.checkable);
    routeItems_[static_cast<std::size_t>(route)][IndexOf(command)] = item;
    connect(item, &QAction::triggered, this, [this, command, route] { run(command, route); });
    return item;
}

void MainWindow::buildMenus() {
    auto* file = buildMenu(MenuId::File, texts::kFileMenu, kFileEntries);
    auto* edit = buildMenu(MenuId::Edit, texts::kEditMenu, kEditEntries);
    buildMenu(MenuId::View, texts::kViewMenu, kViewEntries);
    auto* tools = buildMenu(MenuId::Tools, texts::kToolsMenu, kToolsEntries);
    buildMenu(MenuId::Help, texts::kHelpMenu, kHelpEntries);
    auto* popUp = buildMenu(MenuId::PopUp, texts::kPopUpMenu, kPopUpEntries);

    connect(file, &QMenu::aboutToShow, this, [this] { mnuFile_Click(); });
    connect(edit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
    connect(tools, &QMenu::aboutToShow, this, [this] { mnuTools_Click(); });
    connect(popUp, &QMenu::aboutToShow, this, [this] { popUpTool_Click(); });
}

void MainWindow::buildToolbar() {
    toolbar_ = new QToolBar(centralWidget());
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->setAccessibleName(texts::Tr(texts::accessible::kToolbar));
    int position = 0;
    for (const auto& command : kToolbarPositions) {
        QAction* action = nullptr;
        if (!command) {
            action = toolbar_->addSeparator();
            action->setProperty(kKeyProperty, QString());
        } else {
            const CommandRow& row = RowOf(*command);
            action = toolbar_->addAction(ToolbarPicture(row.picture), CommandText(row.tooltip));
            action->setToolTip(CommandText(row.tooltip));
            action->setObjectName(Utf8Text(row.key));
            action->setProperty(kKeyProperty, Utf8Text(row.key));
            routeItems_[static_cast<std::size_t>(Route::Toolbar)][IndexOf(*command)] = action;
            toolbar_->widgetForAction(action)->setAccessibleName(ButtonName(row, Route::Toolbar));
            const Command clicked = *command;
            connect(action, &QAction::triggered, this,
                    [this, clicked] { run(clicked, Route::Toolbar); });
        }
        action->setProperty("position", ++position);
    }
    // The toolbar's own button for those that don't fit shows a picture only too.
    for (QToolButton* more : toolbar_->findChildren<QToolButton*>()) {
        if (more->accessibleName().isEmpty()) {
            more->setAccessibleName(texts::Tr(texts::accessible::kMoreButtons));
        }
    }
    // Status help follows the mouse over the buttons, enabled or not, and over the gaps.
    toolbar_->setMouseTracking(true);
    toolbar_->installEventFilter(this);
    for (QAction* action : toolbar_->actions()) {
        if (QWidget* widget = toolbar_->widgetForAction(action)) {
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
        }
    }
}

void MainWindow::buildList() {
    lstAction_ = new ActionListView(centralWidget());
    lstAction_->setObjectName(QStringLiteral("lstAction"));
    lstAction_->setAccessibleName(texts::Tr(texts::accessible::kList));
    lstAction_->setModel(model_);
    QHeaderView* header = lstAction_->header();
    // The kinds are read whole: the column is at least as wide as the widest of them.
    int widest = 0;
    for (const std::string_view kind :
         {kind::kMapDrive, kind::kMapPrinter, kind::kRunApplication, kind::kMergeRegistry,
          kind::kDisplayMessage, kind::kOther}) {
        widest = std::max(widest, lstAction_->fontMetrics().horizontalAdvance(KindLabel(kind)));
    }
    const int designWidth = TwipsToPixels(layout_.actionColumnWidth, logicalDpiX());
    const int actionWidth = std::max(designWidth, widest + lstAction_->iconSize().width() + 24);
    actionColumnExtra_ = actionWidth - designWidth;
    header->resizeSection(ActionListModel::ActionColumn, actionWidth);
    // "Run if" stands between Action and Details, and only while an action has a condition:
    // a file without any looks as it always has.
    header->moveSection(header->visualIndex(ActionListModel::ConditionColumn),
                        header->visualIndex(ActionListModel::DetailsColumn));
    header->setSectionHidden(ActionListModel::ConditionColumn, true);
    for (const auto signal :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(model_, signal, this, [this] { showConditionColumn(); });
    }
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { showConditionColumn(); });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { showConditionColumn(); });

    connect(lstAction_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        keepSelection();
        UpdateCommandState();
    });
    connect(lstAction_, &QAbstractItemView::clicked, this, [this] { lstAction_ItemClick(); });
    lstAction_->installEventFilter(this);
    lstAction_->viewport()->setMouseTracking(true);
    lstAction_->viewport()->installEventFilter(this);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (!actions_.empty()) {
            selectRow(0);
        }
    });
}

void MainWindow::applyLayout() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto x = [dpiX](double twips) { return TwipsToPixels(twips, dpiX); };
    const auto y = [dpiY](double twips) { return TwipsToPixels(twips, dpiY); };
    QWidget* client = centralWidget();

    line1_->setGeometry(0, 0, std::max(0, x(layout_.lineEnd)), 2);

    const QSize toolbarHint = toolbar_->sizeHint();
    toolbar_->setGeometry(x(layout_.toolbarLeft), y(layout_.toolbarTop),
                          std::max(x(layout_.toolbarWidth), toolbarHint.width()),
                          std::max(y(layout_.toolbarHeight), toolbarHint.height()));

    // The rules reckon with the frame, title bar and menu bar of one platform; where those
    // are taller the list still ends above the status bar, the rules' gap kept.
    int listTop = y(layout_.listTop);
    // The script view beside it takes its room from the client area, not from the window.
    const int listWidth =
        std::max(0, std::min(x(layout_.listWidth), client->width() - x(layout_.listLeft) - x(120)));
    // The find bar, while shown, stands where the list's top was, and the list below it.
    int barHeight = 0;
    if (findBar_ != nullptr && !findBar_->isHidden()) {
        barHeight = findBar_->sizeHint().height();
        findBar_->setGeometry(x(layout_.listLeft), listTop, listWidth, barHeight);
        listTop += barHeight;
    }
    const int room = client->height() - listTop - y(90);
    const int listHeight = std::clamp(y(layout_.listHeight) - barHeight, 0, std::max(0, room));
    lstAction_->setGeometry(x(layout_.listLeft), listTop, listWidth, listHeight);
    QHeaderView* header = lstAction_->header();
    header->resizeSection(ActionListModel::DetailsColumn,
                          std::max(0, x(layout_.detailsColumnWidth) - actionColumnExtra_));
    if (conditionColumnShown_) {
        header->resizeSection(ActionListModel::ConditionColumn, x(layout_.conditionColumnWidth));
    }
}

void MainWindow::showConditionColumn() {
    const bool shown = actions_.anyConditioned();
    if (shown == conditionColumnShown_) {
        return;
    }
    conditionColumnShown_ = shown;
    lstAction_->header()->setSectionHidden(ActionListModel::ConditionColumn, !shown);
    // Details give the column its room, or take it back.
    Form_Resize();
    // A screen reader's table gains or loses a column: its cells are named anew.
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changed(lstAction_,
                                                 QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace kestrune
