// The small settings files of a data folder and of the user: options.dat,
// users.dat and translate.dat. The first byte picks the reader; whatever the
// rest holds, reading must stay in bounds and what we write must read back.
#include "core/i18n/dictionary.h"
#include "core/settings/options_file.h"
#include "core/settings/users.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane;
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0: {
        // Compared as bytes: a stored NaN never equals itself.
        i18n::Dictionary dictionary;
        const QByteArray first =
            settings::OptionsFile::serialize(settings::OptionsFile::parse(bytes, dictionary).options, dictionary);
        const QByteArray second =
            settings::OptionsFile::serialize(settings::OptionsFile::parse(first, dictionary).options, dictionary);
        if (first != second)
            __builtin_trap();
        break;
    }
    case 1: {
        const settings::UserList users = settings::UsersFile::parse(bytes);
        settings::UsersFile::parse(settings::UsersFile::serialize(users));
        break;
    }
    case 2: {
        i18n::Dictionary dictionary;
        dictionary.parse(bytes);
        i18n::Dictionary again;
        if (again.parse(dictionary.serialize()) != i18n::Dictionary::LoadStatus::Loaded || again.size() != dictionary.size())
            __builtin_trap();
        break;
    }
    }
    return 0;
}
