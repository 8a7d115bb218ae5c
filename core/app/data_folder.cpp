#include "core/app/data_folder.h"

#include "core/settings/admin_options_file.h"

namespace morvane::app {

DataFolderDecision chooseDataFolder(Workspace &ws, const DataFolderChoice &choice, const CommandLine &commandLine)
{
    DataFolderDecision decision{QString(), choice, false};
    const QString userFolder = GetProgramDir(true, ws.folders.realprogpath);
    auto fallBackToUserFolder = [&] {
        decision.choice.kind = DataFolderChoice::Kind::UserFolder;
        decision.choiceChanged = true;
        decision.progpath = userFolder;
    };

    switch (choice.kind) {
    case DataFolderChoice::Kind::ProgramFolder:
        decision.progpath = ws.folders.realprogpath;
        if (!canWriteTestFile(decision.progpath))
            fallBackToUserFolder();
        break;
    case DataFolderChoice::Kind::UserFolder:
        decision.progpath = userFolder;
        break;
    case DataFolderChoice::Kind::SpecialFolder:
        decision.progpath = withTrailingSlash(choice.specialFolder);
        if (choice.specialFolder.isEmpty() || !canWriteTestFile(decision.progpath)) {
            if (ws.ask(233, base::Buttons::YesNo, base::Icon::Question) == base::Answer::Yes)
                fallBackToUserFolder();
        }
        break;
    }
    if (decision.choiceChanged)
        settings::AdminOptionsFile::save(ws.folders.appdatapath + QStringLiteral("adminoptions.dat"), decision.choice);
    if (commandLine.setPath)
        decision.progpath = *commandLine.setPath;
    return decision;
}

}  // namespace morvane::app
