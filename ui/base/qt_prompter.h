#pragma once

#include "core/base/prompter.h"

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

private:
    QWidget *parent_;
};

}  // namespace morvane::ui
