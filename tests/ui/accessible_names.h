#pragma once

// What a screen reader finds under a window without a name: every button, box, field, list
// and table, shown or on a page not shown yet, by its object name (or class) and role.

#include <QAccessible>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace kestrune::test {

inline QStringList unnamedControls(QWidget* window) {
    static const QAccessible::Role kControls[] = {
        QAccessible::PushButton, QAccessible::CheckBox,       QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText,   QAccessible::List,
        QAccessible::Table,      QAccessible::Tree,           QAccessible::SpinBox,
        QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::Slider};
    QStringList unnamed;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child == nullptr) {
                continue;
            }
            const QAccessible::Role role = child->role();
            if (std::find(std::begin(kControls), std::end(kControls), role) !=
                    std::end(kControls) &&
                child->text(QAccessible::Name).trimmed().isEmpty()) {
                QObject* object = child->object();
                const QString name = object == nullptr ? QStringLiteral("?")
                                     : object->objectName().isEmpty()
                                         ? QString::fromLatin1(object->metaObject()->className())
                                         : object->objectName();
                unnamed << name + QLatin1Char('/') + QString::number(role, 16);
            }
            // A list's or table's children are its rows.
            if (child->tableInterface() == nullptr) {
                walk(child);
            }
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return unnamed;
}

}  // namespace kestrune::test
