#include "core/i18n/translator.h"

#include "core/i18n/message_table.h"

namespace morvane::i18n {

void Translator::setLanguage(int slot)
{
    language_ = (slot < 0 || slot >= Dictionary::kSlots) ? 0 : slot;
}

QString Translator::translate(const QString &text)
{
    if (text.isEmpty())
        return text;
    qsizetype lead = 0;
    while (lead < text.size() && text[lead] == u' ')
        ++lead;
    if (lead == text.size())
        return text;
    qsizetype trail = 0;
    while (text[text.size() - 1 - trail] == u' ')
        ++trail;
    const QString key = text.sliced(lead, text.size() - lead - trail);
    const int index = dictionary_.find(key);
    if (index < 0) {
        dictionary_.add(key);
        dirty_ = true;
        return text;
    }
    QString result = dictionary_.entry(index).texts[std::size_t(language_)];
    if (result.isEmpty())
        result = key;
    result = result.trimmed();
    if (result.isEmpty())
        return text;
    return QString(lead, u' ') + result + QString(trail, u' ');
}

QString Translator::message(int number)
{
    if (!MessageTable::exists(number))
        return {};
    return translate(MessageTable::german(number));
}

base::Message Translator::makeMessage(int number, base::Icon icon, const QString &title, const QString &suffix)
{
    return base::Message{number, message(number) + suffix, title, icon};
}

}  // namespace morvane::i18n
