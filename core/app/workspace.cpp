#include "core/app/workspace.h"

#include "core/base/atomic_file.h"
#include "core/base/cp1252.h"
#include "core/i18n/starter_dictionary.h"

#include <QFile>

namespace morvane::app {

Workspace::Workspace(Folders folders_, const base::Clock &clock_, base::Prompter &prompter_)
    : folders(std::move(folders_)), clock(clock_), prompter(&prompter_)
{
}

void Workspace::inform(int number, base::Icon icon, const QString &title, const QString &suffix)
{
    prompter->inform(translator.makeMessage(number, icon, title, suffix));
}

base::Answer Workspace::ask(int number, base::Buttons buttons, base::Icon icon, const QString &title)
{
    return prompter->ask(translator.makeMessage(number, icon, title), buttons);
}

void Workspace::addProtocolLine(const QString &line)
{
    QFile file(dataFile(files.protokolltxt));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(base::Cp1252::encode(line) + "\r\n");
    if (protocolListener)
        protocolListener(line);
}

QString Workspace::readProtocol() const
{
    QFile file(dataFile(files.protokolltxt));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return base::Cp1252::decode(file.readAll());
}

i18n::Dictionary::LoadStatus Workspace::loadDictionary()
{
    QString path = folders.appdatapath + QStringLiteral("translate.dat");
    if (!QFile::exists(path))
        path = folders.realprogpath + QStringLiteral("translate.dat");
    QFile file(path);
    if (!file.exists()) {
        dictionary.clear();
        i18n::addStarterTranslations(dictionary);
        translator.markDirty();
        return i18n::Dictionary::LoadStatus::Missing;
    }
    if (!file.open(QIODevice::ReadOnly))
        return i18n::Dictionary::LoadStatus::Unreadable;
    const auto status = dictionary.parse(file.readAll());
    translator.markSaved();
    if (status == i18n::Dictionary::LoadStatus::Corrupted) {
        // Keep the damaged file for whoever wants to rescue translations
        // from it; the next save writes a sound one.
        const QString aside = path + QStringLiteral(".corrupt");
        QFile::remove(aside);
        QFile::copy(path, aside);
        prompter->inform({0, QStringLiteral("The file translation.dat has been corrupted."), {}, base::Icon::Error});
    }
    return status;
}

bool Workspace::saveDictionaryIfChanged()
{
    if (!translator.isDirty())
        return true;
    if (folders.appdatapath.isEmpty())
        return false;
    const bool ok = base::AtomicFile::write(folders.appdatapath + QStringLiteral("translate.dat"),
                                            dictionary.serialize()).ok;
    if (ok)
        translator.markSaved();
    return ok;
}

}  // namespace morvane::app
