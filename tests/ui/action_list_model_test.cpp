#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "core/action.h"
#include "ui/main/action_list_model.h"

namespace kestrune {
namespace {

Action action(const std::string& details, std::string_view kind = kind::kOther,
              std::string_view icon = icon::kOther) {
    return {std::string(kind), details, std::string(icon), details};
}

std::vector<std::string> details(const ActionList& list) {
    std::vector<std::string> out;
    for (const auto& a : list) {
        out.push_back(a.details);
    }
    return out;
}

TEST(ActionListModel, ShowsTheOneListWithKindIconAndDetails) {
    ActionList list;
    list.append("k", kind::kMapDrive, icon::kHome,
                "Map home directory on the logon server as H:\\");
    ActionListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Action");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Details");
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "Map Drive");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(),
              "Map home directory on the logon server as H:\\");
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::DecorationRole).isValid());

    // The model reads the list itself: a change in place shows once it is announced.
    list.at(0).details = "Map home directory on the logon server as G:\\";
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.changed(0);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(),
              "Map home directory on the logon server as G:\\");
}

TEST(ActionListModel, ChangesGoToTheListAndAreAnnounced) {
    ActionList list;
    ActionListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    for (const char* d : {"A", "B", "C", "D"}) {
        model.append(action(d));
    }
    EXPECT_EQ(inserted.count(), 4);

    EXPECT_TRUE(model.moveUp(2));
    EXPECT_EQ(details(list), (std::vector<std::string>{"A", "C", "B", "D"}));
    EXPECT_TRUE(model.moveDown(2));
    EXPECT_EQ(details(list), (std::vector<std::string>{"A", "C", "D", "B"}));
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_FALSE(model.moveDown(3));
    EXPECT_EQ(moved.count(), 2);

    model.removeAt(1);
    model.removeAt(7);
    EXPECT_EQ(details(list), (std::vector<std::string>{"A", "D", "B"}));
    EXPECT_EQ(removed.count(), 1);

    model.replaceAll([](ActionList& l) {
        l.clear();
        l.append(action("X"));
    });
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 1);

    model.clear();
    model.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(removed.count(), 2);
}

}  // namespace
}  // namespace kestrune
