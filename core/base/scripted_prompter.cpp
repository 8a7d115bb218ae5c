#include "core/base/scripted_prompter.h"

namespace morvane::base {

ScriptedPrompter &ScriptedPrompter::expectInform(int number)
{
    script_.push_back({Step::Kind::Inform, number, Answer::Ok, std::nullopt, std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectAsk(int number, Answer answer)
{
    script_.push_back({Step::Kind::Ask, number, answer, std::nullopt, std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectText(int number, std::optional<QString> text)
{
    script_.push_back({Step::Kind::AskText, number, Answer::Ok, std::move(text), std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectValue(int code, std::optional<ValueAnswer> value)
{
    script_.push_back({Step::Kind::AskValue, code, Answer::Ok, std::nullopt, std::move(value)});
    return *this;
}

std::optional<ScriptedPrompter::Step> ScriptedPrompter::next(Step::Kind kind, const Message &message)
{
    shown_ << message;
    if (script_.empty()) {
        failures_ << QStringLiteral("unexpected message %1: %2").arg(message.number).arg(message.text);
        return std::nullopt;
    }
    Step step = script_.front();
    script_.pop_front();
    if (step.kind != kind || (step.number != 0 && step.number != message.number)) {
        failures_ << QStringLiteral("expected message %1, got %2: %3")
                         .arg(step.number).arg(message.number).arg(message.text);
        return std::nullopt;
    }
    return step;
}

void ScriptedPrompter::inform(const Message &message)
{
    next(Step::Kind::Inform, message);
}

Answer ScriptedPrompter::ask(const Message &message, Buttons)
{
    const auto step = next(Step::Kind::Ask, message);
    return step ? step->answer : Answer::Cancel;
}

std::optional<QString> ScriptedPrompter::askText(const Message &message, const QString &)
{
    const auto step = next(Step::Kind::AskText, message);
    return step ? step->text : std::nullopt;
}

std::optional<ValueAnswer> ScriptedPrompter::askValue(const ValuePrompt &prompt)
{
    valuePrompts_ << prompt;
    if (script_.empty() || script_.front().kind != Step::Kind::AskValue)
        return Prompter::askValue(prompt);
    Message message = prompt.message;
    message.number = prompt.code;
    const auto step = next(Step::Kind::AskValue, message);
    return step ? step->value : std::nullopt;
}

}  // namespace morvane::base
