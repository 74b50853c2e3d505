#include "shell/ui/ScreenCatalogue.h"

#include "shell/CommandMap.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/TfLauncher.h"
#include "shell/ui/TfMain.h"
#include "shell/ui/Tfexit.h"

namespace ScreenCatalogue {
namespace {
void registerShell(ScreenOpener& opener)
{
    for (const CommandMap::Launcher& launcher : CommandMap::launchers())
        opener.registerScreen(launcher.screen, ScreenOpener::Style::Launcher,
                              [&opener, launcher] { return new TfLauncher(launcher, opener); });
    opener.registerScreen(QStringLiteral("Tfexit"), ScreenOpener::Style::Launcher, [] { return new Tfexit; });
}
}

void registerAll(ScreenOpener& opener, TfMain& mainWindow)
{
    Q_UNUSED(mainWindow);
    registerShell(opener);
}

}
