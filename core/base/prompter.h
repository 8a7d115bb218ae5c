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

// A value typed in one of the booking dialogs. The label is the message
// text, the caption its title.
struct ValuePrompt {
    enum class Kind { Text, Quantity, Date, Price, Customer };
    Kind kind = Kind::Text;
    int code = 0;           // which prompt of the booking, 0 for none
    Message message;
    QString preset;         // the last value, shown selected
    QStringList choices;    // the drop-down list, empty for none
    QString heading;        // the article name above the input
    bool issue = true;      // quantity: the direction shown with it
    bool wholeNumbers = false;
    QChar decimalSeparator = u',';
    QDate date;             // date: the date shown
};

struct ValueAnswer {
    QString text;
    bool issue = true;              // quantity: the direction chosen
    QDate date;                     // date: the date chosen, invalid when only typed
    std::optional<QString> costCentre;  // customer: taken over with the customer
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
    // A typed value; nullopt when the user cancels. Prompters without
    // dialogs of their own ask for the value as a line of text.
    virtual std::optional<ValueAnswer> askValue(const ValuePrompt &prompt)
    {
        const auto text = askText(prompt.message, prompt.preset);
        if (!text)
            return std::nullopt;
        ValueAnswer answer;
        answer.text = *text;
        answer.issue = prompt.issue;
        return answer;
    }
};

}  // namespace morvane::base
