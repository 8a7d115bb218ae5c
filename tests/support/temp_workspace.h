#pragma once

#include "core/app/workspace.h"
#include "core/base/decimal.h"
#include "core/base/scripted_prompter.h"

#include <QMap>
#include <QTemporaryDir>

#include <memory>

namespace morvane::test {

// A workspace on a fresh temporary data folder, with a scripted prompter and
// a clock pinned to 11 December 2026, 12:00.
struct TempWorkspace {
    TempWorkspace();

    QString path(const QString &name) const { return dir.filePath(name); }
    // Every file of the data folder with its bytes, to show that a refused
    // operation changed nothing.
    QMap<QString, QByteArray> folderBytes() const;

    QTemporaryDir dir;
    base::FixedClock clock;
    base::ScriptedPrompter prompter;
    std::unique_ptr<app::Workspace> ws;
};

// A text written in the source as UTF-8.
inline QString s(const char *text) { return QString::fromUtf8(text); }
// A number written with a decimal comma; the text must be a number.
inline base::Decimal dec(const char *text) { return *base::Decimal::parse(s(text), u','); }

// Builds an article whose listed fields are set.
articles::Article makeArticle(const QString &name, std::initializer_list<std::pair<int, QString>> fields = {});

QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);

}  // namespace morvane::test
