#pragma once
#include "shell/CommandMap.h"

#include <QWidget>

class ScreenOpener;

// A task launcher: the background picture stretched over the window, its
// title, and a grid of buttons three wide. Blank buttons fill the grid so that
// the closing button stands last in the bottom row.
class TfLauncher : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 3;

    TfLauncher(const CommandMap::Launcher& launcher, ScreenOpener& opener, QWidget* parent = nullptr);

    // The grid's captions in order, blanks as empty texts.
    static QStringList gridCaptions(const CommandMap::Launcher& launcher);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buttonClicked(const CommandMap::Target& target);

    ScreenOpener& opener_;
};
