#pragma once

class ScreenOpener;
class TfMain;

// Every screen kind the program has, registered with the opener. A menu entry
// or button whose screen is not listed here stays disabled in its place.
namespace ScreenCatalogue {
void registerAll(ScreenOpener& opener, TfMain& mainWindow);
}
