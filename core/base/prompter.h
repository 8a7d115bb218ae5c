#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace morvane::base {

enum class Icon { None, Information, Warning, Error, Question, Stop };

enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

// A message as the user reads it: already translated and filled in.
struct Message {
    int number = 0;  // message table number, 0 for a text of our own
    QString text;
    QString title;
    Icon icon = Icon::Information;
};

// Everything an operation needs from a person half-way. The windows answer
// with dialogs; tests answer from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void inform(const Message &message) = 0;
    virtual Answer ask(const Message &message, Buttons buttons) = 0;
    // A line of text; nullopt when the user cancels.
    virtual std::optional<QString> askText(const Message &message, const QString &preset) = 0;
};

}  // namespace morvane::base
