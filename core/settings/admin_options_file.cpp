#include "core/settings/admin_options_file.h"

#include "core/base/atomic_file.h"
#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"

#include <QFile>

namespace morvane::settings {

using app::DataFolderChoice;

DataFolderChoice AdminOptionsFile::load(const QString &path)
{
    DataFolderChoice choice;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return choice;
    const QByteArray bytes = file.readAll();
    base::BinaryReader in(bytes);
    const auto folder = in.readText();
    const auto special = in.readBool();
    if (!folder || !special)
        return choice;
    choice.specialFolder = *folder;
    const auto user = in.readBool();
    const auto program = in.readBool();
    if (*special)
        choice.kind = DataFolderChoice::Kind::SpecialFolder;
    else if (user && program && *program && !*user)
        choice.kind = DataFolderChoice::Kind::ProgramFolder;
    else
        choice.kind = DataFolderChoice::Kind::UserFolder;
    return choice;
}

bool AdminOptionsFile::save(const QString &path, const DataFolderChoice &choice)
{
    base::BinaryWriter out;
    out.writeText(choice.specialFolder);
    out.writeBool(choice.kind == DataFolderChoice::Kind::SpecialFolder);
    out.writeBool(choice.kind == DataFolderChoice::Kind::UserFolder);
    out.writeBool(choice.kind == DataFolderChoice::Kind::ProgramFolder);
    return base::AtomicFile::write(path, out.data()).ok;
}

}  // namespace morvane::settings
