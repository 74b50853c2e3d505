#include "shell/ui/ScreenCatalogue.h"

#include "fees/ui/TfEndCancel.h"
#include "fees/ui/TfEndYesNo.h"
#include "fees/ui/TfMoneyMaster.h"
#include "members/ui/TfPer0010.h"
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

void registerFees(ScreenOpener& opener, TfMain& mainWindow)
{
    opener.registerScreen(QStringLiteral("TfMoneyMaster"), ScreenOpener::Style::Dialog,
                          [&mainWindow] { return new TfMoneyMaster(mainWindow); });
    opener.registerScreen(QStringLiteral("TfEndYesNo"), ScreenOpener::Style::Dialog,
                          [&mainWindow] { return new TfEndYesNo(mainWindow); });
    opener.registerScreen(QStringLiteral("TfEndCancel"), ScreenOpener::Style::Dialog,
                          [&mainWindow] { return new TfEndCancel(mainWindow); });
}


void registerMembers(ScreenOpener& opener, TfMain& mainWindow)
{
    opener.registerScreen(QStringLiteral("TfPer0010"), ScreenOpener::Style::Work,
                          [&mainWindow] { return new TfPer0010(mainWindow); });
}
}

void registerAll(ScreenOpener& opener, TfMain& mainWindow)
{
    registerShell(opener);
    registerFees(opener, mainWindow);
    registerMembers(opener, mainWindow);
}

}
