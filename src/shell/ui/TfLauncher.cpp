#include "shell/ui/TfLauncher.h"

#include "shell/ui/ActionGuard.h"
#include "shell/ui/Pictures.h"
#include "shell/ui/ScreenOpener.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using CommandMap::Button;
using CommandMap::Target;
using CommandMap::TargetKind;

namespace {
QList<Button> withFillers(const CommandMap::Launcher& launcher)
{
    QList<Button> cells = launcher.buttons;
    if (cells.isEmpty())
        return cells;
    const Button closing = cells.takeLast();
    while ((cells.size() + 1) % TfLauncher::kColumns != 0)
        cells.append(Button{QString(), CommandMap::nothing()});
    cells.append(closing);
    return cells;
}
}

QStringList TfLauncher::gridCaptions(const CommandMap::Launcher& launcher)
{
    QStringList captions;
    for (const Button& button : withFillers(launcher))
        captions << button.caption;
    return captions;
}

TfLauncher::TfLauncher(const CommandMap::Launcher& launcher, ScreenOpener& opener, QWidget* parent)
    : QWidget(parent), opener_(opener)
{
    setWindowTitle(launcher.title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 30, 60, 30);

    auto* title = new QLabel(launcher.title, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 26px; font-weight: bold; color: #122040;"
                                        " background: rgba(255,255,255,170); border: 2px solid #122040;"
                                        " border-radius: 6px; padding: 8px; }"));
    layout->addWidget(title);
    layout->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    const QList<Button> cells = withFillers(launcher);
    for (int i = 0; i < cells.size(); ++i) {
        const Button& cell = cells[i];
        auto* button = new QPushButton(cell.caption, this);
        button->setObjectName(QStringLiteral("btnCell%1").arg(i + 1));
        button->setMinimumHeight(40);
        button->setStyleSheet(QStringLiteral("QPushButton { font-size: 15px; background: #ffffff;"
                                             " border: 1px solid #5a6478; border-radius: 4px; }"
                                             " QPushButton:hover { background: #fff3c4; }"
                                             " QPushButton:disabled { color: #9aa0aa; }"));
        button->setEnabled(!cell.caption.isEmpty() && opener.isAvailable(cell.target));
        const Target target = cell.target;
        connect(button, &QPushButton::clicked, this, [this, target] { buttonClicked(target); });
        grid->addWidget(button, i / kColumns, i % kColumns);
    }
    layout->addLayout(grid);
    layout->addStretch();
}

void TfLauncher::buttonClicked(const Target& target)
{
    if (target.kind == TargetKind::CloseLauncher) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
        return;
    }
    guardedAction(this, [&] { opener_.open(target); });
}

void TfLauncher::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), Pictures::background());
    // A light wash keeps the picture's lettering from competing with the buttons.
    painter.fillRect(rect(), QColor(255, 255, 255, 165));
}
