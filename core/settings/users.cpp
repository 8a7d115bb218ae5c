#include "core/settings/users.h"

#include "core/base/atomic_file.h"
#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"
#include "core/base/cp1252.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace morvane::settings {

namespace {

const QString kFileName = QStringLiteral("users.dat");

// The scrambling works on the code page's bytes, so every storable text comes
// back exactly as it was typed.
std::optional<QString> readScrambled(base::BinaryReader &in)
{
    const auto length = in.readInt32();
    if (!length || *length < 0)
        return std::nullopt;
    const auto bytes = in.readBytes(*length);
    if (!bytes)
        return std::nullopt;
    QByteArray plain(bytes->data(), bytes->size());
    for (char &c : plain)
        c = char((static_cast<unsigned char>(c) + UsersFile::kScrambleOffset) & 0xFF);
    return base::Cp1252::decode(plain);
}

void writeScrambled(base::BinaryWriter &out, const QString &text)
{
    QByteArray bytes = base::Cp1252::encode(text);
    for (char &c : bytes)
        c = char((static_cast<unsigned char>(c) - UsersFile::kScrambleOffset) & 0xFF);
    out.writeInt32(std::int32_t(bytes.size()));
    out.writeBytes(bytes);
}

UserTextProblem checkText(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return UserTextProblem::ControlCharacter;
        if (base::Cp1252::fromUnicode(c.unicode()) < 0)
            return UserTextProblem::NotStorable;
    }
    return UserTextProblem::None;
}

}  // namespace

UserList UsersFile::parse(QByteArrayView bytes)
{
    base::BinaryReader in(bytes);
    UserList users;
    const auto count = in.readInt32();
    if (!count || *count <= 0)
        return users;
    // Each user needs at least two length fields; a larger count is a lie.
    const qsizetype possible = in.remaining() / 8;
    const qsizetype announced = std::min<qsizetype>(*count, possible);
    for (qsizetype i = 0; i < announced; ++i) {
        const auto name = readScrambled(in);
        if (!name)
            break;
        const auto password = readScrambled(in);
        if (!password)
            break;
        User u;
        u.name = *name;
        u.password = *password;
        users.push_back(std::move(u));
    }
    for (User &u : users) {
        const auto readOnly = in.readByte();
        if (!readOnly)
            return users;
        u.readOnly = *readOnly != 0;
    }
    for (User &u : users) {
        const auto fields = in.readInt32();
        if (!fields)
            return users;
        const qint64 rights = std::max<qint64>(0, qint64(*fields) - 3);
        for (qint64 r = 1; r <= rights; ++r) {
            const auto flag = in.readByte();
            if (!flag)
                return users;
            if (r <= User::kMaxRights)
                u.setRestricted(int(r), *flag != 0);
        }
    }
    for (User &u : users) {
        const auto barcode = in.readText();
        if (!barcode)
            return users;
        u.barcode = *barcode;
    }
    return users;
}

QByteArray UsersFile::serialize(const UserList &users)
{
    base::BinaryWriter out;
    out.writeInt32(std::int32_t(users.size()));
    for (const User &u : users) {
        writeScrambled(out, u.name);
        writeScrambled(out, u.password);
    }
    for (const User &u : users)
        out.writeBool(u.readOnly);
    for (const User &u : users) {
        const int rights = std::max<int>(User::kRightCount, int(u.restricted.size()));
        out.writeInt32(rights + 3);
        for (int r = 1; r <= rights; ++r)
            out.writeBool(u.isRestricted(r));
    }
    for (const User &u : users)
        out.writeText(u.barcode);
    return out.take();
}

UserTextProblem UsersFile::checkName(const QString &name)
{
    if (name.isEmpty())
        return UserTextProblem::EmptyName;
    return checkText(name);
}

UserTextProblem UsersFile::checkPassword(const QString &password)
{
    return checkText(password);
}

QString UsersFile::unstorableCharacters(const QString &text)
{
    QString result;
    for (QChar c : text) {
        const bool bad = c.unicode() < 0x20 || c.unicode() == 0x7F || base::Cp1252::fromUnicode(c.unicode()) < 0;
        if (bad && !result.contains(c))
            result += c;
    }
    return result;
}

UserList LoadBenutzer(const QString &progpath)
{
    QFile file(progpath + kFileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return UsersFile::parse(file.readAll());
}

UsersSaveResult SaveBenutzer(const QString &progpath, const UserList &users)
{
    for (const User &u : users) {
        if (UsersFile::checkName(u.name) != UserTextProblem::None
            || UsersFile::checkPassword(u.password) != UserTextProblem::None)
            return UsersSaveResult::Refused;
    }
    return base::AtomicFile::write(progpath + kFileName, UsersFile::serialize(users)) ? UsersSaveResult::Saved
                                                                                      : UsersSaveResult::IoError;
}

}  // namespace morvane::settings
