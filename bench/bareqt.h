// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <chrono>
#include <vector>

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);
double median(std::vector<double> values);
long long residentKiB();

// Lets queued work happen, unloaded windows' destruction included.
void settle();

// Forgets the paints seen so far; the next waitForPaint waits for a paint after this.
void startWatchingPaints();
// Returns once the window, or anything on it, has been painted and handed to the screen since
// startWatchingPaints().
void waitForPaint(const QWidget *window);

// A window with nothing of the program in it: a fixed size, the same picture drawn from its
// top-left corner, and standard Qt widgets of the kinds, places and texts the program's window
// has, in Qt's own fonts and colours.
class BareWindow : public QWidget
{
public:
    enum class Kind { Edit, Label, Image, Button, Option, Frame, List };
    struct Child
    {
        Kind kind;
        QRect geometry; // relative to the window
        QString text;
        bool visible;
    };
    struct Recipe
    {
        QSize size;
        bool picture;
        std::vector<Child> children;
    };

    explicit BareWindow(const Recipe &recipe);

    static Recipe recipeOf(const QWidget *window);
    static void writeRecipes(const QString &file, const std::vector<Recipe> &recipes);
    static std::vector<Recipe> readRecipes(const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
