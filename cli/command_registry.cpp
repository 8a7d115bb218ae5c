#include "cli/command_registry.h"

#include <map>

namespace morvane::cli {

namespace {

struct Entry {
    CommandFunction run;
    QString usage;
};

std::map<QString, Entry> &registry()
{
    static std::map<QString, Entry> commands;
    return commands;
}

}  // namespace

CommandRegistration::CommandRegistration(const QString &verb, CommandFunction run, const char *usage)
{
    registry()[verb] = Entry{std::move(run), QString::fromUtf8(usage)};
}

std::optional<int> runRegisteredCommand(CliContext &context, const QStringList &args)
{
    const auto it = registry().find(args.value(0));
    if (it == registry().end())
        return std::nullopt;
    return it->second.run(context, args.mid(1));
}

QStringList registeredUsages()
{
    QStringList usages;
    for (const auto &[verb, entry] : registry())
        usages << entry.usage;
    return usages;
}

}  // namespace morvane::cli
