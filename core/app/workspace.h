#pragma once

#include "core/app/folders.h"
#include "core/articles/article.h"
#include "core/articles/article_file.h"
#include "core/articles/row_appearance.h"
#include "core/base/clock.h"
#include "core/base/file_stamp.h"
#include "core/base/format_settings.h"
#include "core/base/prompter.h"
#include "core/i18n/dictionary.h"
#include "core/i18n/translator.h"
#include "core/settings/options.h"
#include "core/warehouses/warehouse_files.h"

#include <QDateTime>

#include <functional>

namespace morvane::app {

// The state that belongs to the main window: folders, the current warehouse
// and its article list, the settings that travel with it, the translator and
// the formats. Every core operation on articles takes the workspace.
class Workspace {
public:
    Workspace(Folders folders, const base::Clock &clock, base::Prompter &prompter);
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    Folders folders;
    warehouses::WarehouseFiles files = warehouses::WarehouseFiles::forWarehouse(1);

    articles::ArticleList articles;
    articles::ArticleFileSettings articleSettings;
    articles::ListOptions listOptions;
    // Last-write time of the article file when this workstation last read it.
    base::FileStamp kownfileage;
    settings::Options options;
    // The options as last read or written, to tell our changes from others'.
    settings::Options optionsAsLoaded;

    i18n::Dictionary dictionary;
    i18n::Translator translator{dictionary};
    base::FormatSettings format;

    const base::Clock &clock;
    base::Prompter *prompter;

    QString dataFile(const QString &name) const { return folders.progpath + name; }
    QString articleFilePath() const { return dataFile(files.lagerdat); }
    QString markerPath() const { return dataFile(files.lagerschreibedat); }

    // Shows message `number` (translated) through the prompter.
    void inform(int number, base::Icon icon, const QString &title = {}, const QString &suffix = {});
    base::Answer ask(int number, base::Buttons buttons, base::Icon icon, const QString &title = {});

    // Adds a line to the protocol: appended to the warehouse's "protokoll.txt"
    // at once (so it survives a crash) and handed to the protocol listener
    // (the main window's protocol memo).
    void addProtocolLine(const QString &line);
    std::function<void(const QString &)> protocolListener;
    // The warehouse's protocol file as text; empty when there is none.
    QString readProtocol() const;

    // Loads "translate.dat" (per-user copy, else the program folder's).
    i18n::Dictionary::LoadStatus loadDictionary();
    // Writes the per-user "translate.dat" when texts were added or changed.
    bool saveDictionaryIfChanged();
};

}  // namespace morvane::app
