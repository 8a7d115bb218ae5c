#include "core/settings/options_store.h"

#include "core/base/atomic_file.h"
#include "core/settings/options_file.h"

#include <QFile>

namespace morvane::settings {

namespace {

std::optional<OptionsFile::Loaded> readFile(app::Workspace &ws)
{
    QFile file(OptionsStore::path(ws));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return OptionsFile::parse(file.readAll(), ws.dictionary);
}

}  // namespace

QString OptionsStore::path(const app::Workspace &ws)
{
    return ws.dataFile(QStringLiteral("options.dat"));
}

void OptionsStore::LoadOptions(app::Workspace &ws)
{
    const auto loaded = readFile(ws);
    ws.options = loaded ? loaded->options : Options();
    ws.optionsAsLoaded = ws.options;
    ws.translator.setLanguage(ws.options.language);
    if (loaded && loaded->dictionaryChanged) {
        ws.translator.markDirty();
        ws.saveDictionaryIfChanged();
    }
}

bool OptionsStore::SaveOptions(app::Workspace &ws)
{
    const auto current = readFile(ws);
    const Options merged = current ? OptionsFile::merge(ws.optionsAsLoaded, ws.options, current->options) : ws.options;
    const auto written = base::AtomicFile::write(path(ws), OptionsFile::serialize(merged, ws.dictionary));
    if (!written) {
        ws.inform(12, base::Icon::Error, path(ws), QStringLiteral("\n") + written.error);
        return false;
    }
    ws.options = merged;
    ws.optionsAsLoaded = merged;
    return true;
}

}  // namespace morvane::settings
