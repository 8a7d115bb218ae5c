#pragma once

#include <QString>

namespace morvane::i18n {

// The numbered German program messages. Translation goes through the
// dictionary (see Translator::message).
class MessageTable {
public:
    static constexpr int kCount = 266;
    static QString german(int number);
    static bool exists(int number);
};

}  // namespace morvane::i18n
