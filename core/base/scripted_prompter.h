#pragma once

#include "core/base/prompter.h"

#include <deque>
#include <variant>

namespace morvane::base {

// A prompter that plays a script: each call must match the next expected
// step (by message number, 0 = any) and gets the scripted answer. Calls
// beyond the script, or of the wrong kind, are recorded as failures.
class ScriptedPrompter final : public Prompter {
public:
    struct Step {
        enum class Kind { Inform, Ask, AskText, AskValue } kind = Kind::Inform;
        int number = 0;
        Answer answer = Answer::Ok;
        std::optional<QString> text;
        std::optional<ValueAnswer> value;
    };

    ScriptedPrompter &expectInform(int number);
    ScriptedPrompter &expectAsk(int number, Answer answer);
    ScriptedPrompter &expectText(int number, std::optional<QString> text);
    // A typed prompt, matched by its code (0 = any). A typed prompt met by an
    // expectText step is answered as a line of text.
    ScriptedPrompter &expectValue(int code, std::optional<ValueAnswer> value);

    void inform(const Message &message) override;
    Answer ask(const Message &message, Buttons buttons) override;
    std::optional<QString> askText(const Message &message, const QString &preset) override;
    std::optional<ValueAnswer> askValue(const ValuePrompt &prompt) override;

    // Everything that was shown, in order.
    const QList<Message> &shown() const { return shown_; }
    // The typed prompts, in order.
    const QList<ValuePrompt> &valuePrompts() const { return valuePrompts_; }
    // Mismatches and unexpected calls, empty when the script was followed.
    const QStringList &failures() const { return failures_; }
    bool finished() const { return script_.empty(); }

private:
    std::optional<Step> next(Step::Kind kind, const Message &message);

    std::deque<Step> script_;
    QList<Message> shown_;
    QList<ValuePrompt> valuePrompts_;
    QStringList failures_;
};

}  // namespace morvane::base
