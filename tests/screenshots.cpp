// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of every window, as a user would first see it, for the README and for checking
// layouts by eye: screenshots <folder>
#include "testsupport.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TestProgram program;
    const std::pair<WindowId, const char *> windows[] = {
            {WindowId::Main, "main-menu"},           {WindowId::Four, "four-man"},
            {WindowId::Eight, "eight-man"},          {WindowId::Sixteen, "sixteen-man"},
            {WindowId::ThirtyTwo, "thirty-two-man"}, {WindowId::Random, "random-winners"},
            {WindowId::Roster, "gimmick-generator"}, {WindowId::FeudPlanner, "feud-planner"},
            {WindowId::RoundRobin, "round-robin"},
    };
    for (const auto &[id, name] : windows) {
        QWidget *window = program.open(id);
        if (!window)
            continue;
        QApplication::processEvents();
        window->grab().save(out.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }
    return 0;
}
