#include "scripted_prompts.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace kestrune::test {

Answer ScriptedPrompts::message(const MessageRequest& request) {
    messages.push_back({request, QGuiApplication::overrideCursor() != nullptr});
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (request.buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::SaveCompareCancel:
            return Answer::Save;
        default:
            return Answer::Yes;
    }
}

QString ScriptedPrompts::chooseFile(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (files.empty()) {
        return {};
    }
    QString file = files.front();
    files.pop_front();
    return file;
}

void ScriptedPrompts::expectOnly(const QString& text, MessageButtons buttons, MessageIcon icon) {
    ASSERT_EQ(texts(), std::vector<QString>{text});
    const auto& [request, waitCursor] = messages[0];
    EXPECT_TRUE(request.title == "Kestrune" && request.buttons == buttons && request.icon == icon &&
                !waitCursor);
}

}  // namespace kestrune::test
