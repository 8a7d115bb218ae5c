#pragma once

#include "core/base/prompter.h"

namespace morvane::cli {

// Nobody answers at a command line: messages go to stderr, questions are
// answered "cancel" (so a refused operation changes nothing), text prompts
// are cancelled.
class ConsolePrompter final : public base::Prompter {
public:
    void inform(const base::Message &message) override;
    base::Answer ask(const base::Message &message, base::Buttons buttons) override;
    std::optional<QString> askText(const base::Message &message, const QString &preset) override;
    // Set while retrying: the "another user is changing the data" question
    // is expected and need not be printed.
    bool quiet = false;
};

}  // namespace morvane::cli
