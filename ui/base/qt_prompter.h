#pragma once

#include "core/base/prompter.h"

#include <functional>

class QWidget;

namespace morvane::ui {

// The prompter of the running program: message boxes and input dialogs over
// the given parent window.
class QtPrompter final : public base::Prompter {
public:
    explicit QtPrompter(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }

    void inform(const base::Message &message) override;
    base::Answer ask(const base::Message &message, base::Buttons buttons) override;
    std::optional<QString> askText(const base::Message &message, const QString &preset) override;
    std::optional<base::ValueAnswer> askValue(const base::ValuePrompt &prompt) override;

    // The windows that answer typed prompts; without them a typed prompt is
    // a line of text.
    std::function<std::optional<base::ValueAnswer>(const base::ValuePrompt &)> valueDialogs;

private:
    QWidget *parent_;
};

}  // namespace morvane::ui
