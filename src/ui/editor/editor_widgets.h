#pragma once

// Small pieces the editor's pages are made of, shared by the files of the editor.

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/text_codec.h"
#include "ui/editor/share_suggestions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;

namespace kestrune::editor_widgets {

// What a field holds, as the 8-bit text the document keeps.
std::string textOf(const QComboBox* box);
std::string textOf(const QLineEdit* box);

// A label of one of the editor's texts (editor_texts.h), in the user's language; the label of
// buddy when given: its access key goes to buddy, and a screen reader names buddy after it
// (a drop-down list's own line and list too).
QLabel* plainLabel(std::string_view text, QWidget* buddy = nullptr);
// Of two labels that take turns above one field, shows one and makes it the field's label.
void showLabel(QWidget* field, QLabel* shown, QLabel* hidden);
// An editable drop-down list for a share or a path.
QComboBox* pathBox(const char* name);
// Makes the option buttons one choice, apart from the other buttons of their page.
void choiceOf(QObject* owner, std::initializer_list<QRadioButton*> buttons);
// Adds the remembered shares to a drop-down list without changing the text it shows.
void appendShares(QComboBox* box, const ShareSuggestions::Slots& names);

}  // namespace kestrune::editor_widgets
