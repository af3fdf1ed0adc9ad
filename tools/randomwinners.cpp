// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomwinners.h"

#include "dialogs.h"
#include "form.h"
#include "pastenames.h"
#include "randomgenerator.h"
#include "rosterchooser.h"
#include "shell.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <array>
#include <vector>

using namespace Form;

namespace {

constexpr Look NameLook {"Times New Roman", 9.75, false, White, Blue};
constexpr Look HintLook {"Times New Roman", 14.25, false, White, NoFill, false, true};
constexpr Look WinnerLook {"Times New Roman", 14.25, false, White, NoFill, true};
constexpr Look FittedLook {"MS Sans Serif", 8.25, false, Black, NoFill, true};
constexpr Look FrameLook {"MS Sans Serif", 8.25, false, Black, Blue};
constexpr Look OptionLook {"Times New Roman", 12, false, White, Blue};

constexpr WindowSpec Window {"frmRandom", "Random Winners!", 11265,
                             6675,        ButtonFace,        "gfx/background.jpg"};

constexpr const char *FirstHint = "Type up men or tag teams to randomize winners!";
constexpr const char *BattleRoyalHint = "Type up to 10 Men to run a Random Battle Royal";

// clang-format off
constexpr Row Rows[] = {
    // Built first so that it lies beneath the name box it overlaps.
    { "Label1",   Kind::Label,   "",               1920, 2160,   45, 195,  7, &FittedLook },
    { "Label2",   Kind::Label,   FirstHint,        1440,  600, 5535, 735,  6, &HintLook },
    { "Text1",    Kind::TextBox, "Wrestler One",   1200, 1440, 1455, 330,  4, &NameLook },
    { "Text2",    Kind::TextBox, "Wrestler Two",   2760, 1440, 1455, 330,  3, &NameLook },
    { "Text3",    Kind::TextBox, "Wrestler Three", 4320, 1440, 1455, 330,  2, &NameLook, false },
    { "Text4",    Kind::TextBox, "Wrestler Four",  5880, 1440, 1455, 330,  1, &NameLook, false },
    { "Text5",    Kind::TextBox, "Wrestler Five",  1200, 1800, 1455, 330,  8, &NameLook, false },
    { "Text6",    Kind::TextBox, "Wrestler Six",   2760, 1800, 1455, 330,  9, &NameLook, false },
    { "Text7",    Kind::TextBox, "Wrestler Seven", 4320, 1800, 1455, 330, 10, &NameLook, false },
    // Shorter than the other name boxes.
    { "Text8",    Kind::TextBox, "Wrestler Eight", 5880, 1800, 1455, 285, 11, &NameLook, false },
    // Users see "Wrestle Nine" until they type a name of their own.
    { "Text9",    Kind::TextBox, "Wrestle Nine",   1200, 2160, 1455, 330, 12, &NameLook, false },
    { "Text10",   Kind::TextBox, "Wrestler Ten",   2760, 2160, 1455, 330, 13, &NameLook, false },
    { "Command1", Kind::Button,  "Generate",       1440, 2760, 1215, 495,  5 },
    { "Command2", Kind::Button,  "Back",           6000, 2880, 1215, 495,  0 },
    { "Label3",   Kind::Label,   "*",              1560, 3600,  135, 315, 19, &WinnerLook },
    // Its lower edge runs a few pixels past the bottom of the window and is cut off.
    { "Frame1",   Kind::Frame,   "Frame1",            0, 5880, 6375, 855, 14, &FrameLook },
    { "Option1",  Kind::Option,  "Singles",         600,  120, 1215, 495, 15, &OptionLook, true, "Frame1" },
    { "Option2",  Kind::Option,  "Triple Threat",  2040,  120, 1215, 495, 16, &OptionLook, true, "Frame1" },
    { "Option3",  Kind::Option,  "Fatal Fourway",  3360,  120, 1215, 495, 17, &OptionLook, true, "Frame1" },
    { "Option4",  Kind::Option,  "Battle Royal",   4680,  120, 1215, 495, 18, &OptionLook, true, "Frame1" },
};
// clang-format on

constexpr std::array<const char *, 10> NameBoxes {"Text1", "Text2", "Text3", "Text4", "Text5",
                                                  "Text6", "Text7", "Text8", "Text9", "Text10"};

// A match type takes part with the first N name boxes and draws 0 to N; each draw names the box
// that wins. The ends of the draw come up half as often as the numbers between, so both ends go
// to the same box, except in singles, where the first man wins three clicks in four. Bookers
// rely on these odds to replay a card, so they stay as they are.
struct MatchType
{
    const char *option;
    std::vector<const char *> winnerByDraw;

    int contenders() const { return int(winnerByDraw.size()) - 1; }
};

const std::vector<MatchType> &matchTypes()
{
    // clang-format off
    static const std::vector<MatchType> types {
        { "Option1", { "Text1", "Text1", "Text2" } },
        { "Option2", { "Text3", "Text1", "Text2", "Text3" } },
        { "Option3", { "Text4", "Text1", "Text2", "Text3", "Text4" } },
        { "Option4", { "Text10", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                       "Text8", "Text9", "Text10" } },
    };
    // clang-format on
    return types;
}

// The hint stays a second shorter after the window opens than on later turns.
constexpr int HintTurn = 10000;
constexpr int FirstHintTurn = HintTurn - 1000;

void showContenders(FormWindow &window, int contenders)
{
    // Hidden boxes keep their names for when a larger match is chosen again.
    for (int box = 0; box < int(NameBoxes.size()); ++box)
        window.widget(NameBoxes[size_t(box)])->setVisible(box < contenders);
}

void drawWinner(FormWindow &window)
{
    for (const MatchType &type : matchTypes()) {
        if (!window.widget<QRadioButton>(type.option)->isChecked())
            continue;
        const int draw = processRandom().scaledDraw(type.contenders());
        window.slot("Label3").setText(window.slot(type.winnerByDraw[size_t(draw)]).text());
        return;
    }
}

void connectMatchTypes(FormWindow &window)
{
    window.widget<QRadioButton>("Option1")->setChecked(true);
    for (const MatchType &type : matchTypes()) {
        QObject::connect(window.widget<QRadioButton>(type.option), &QRadioButton::toggled, &window,
                         [&window, &type](bool selected) {
                             if (selected)
                                 showContenders(window, type.contenders());
                         });
    }
}

QTimer *makeTimer(FormWindow &window, const char *name)
{
    auto *timer = new QTimer(&window);
    timer->setObjectName(QString::fromLatin1(name));
    return timer;
}

// The hint label takes turns between its two texts, one timer for each text.
void startHints(FormWindow &window)
{
    auto *hint = window.widget<Form::Label>("Label2");
    QTimer *toBattleRoyal = makeTimer(window, "Timer1");
    QTimer *toFirst = makeTimer(window, "Timer2");
    QObject::connect(toBattleRoyal, &QTimer::timeout, &window, [=] {
        hint->setCaption(QString::fromLatin1(BattleRoyalHint));
        toFirst->start(HintTurn);
        toBattleRoyal->stop();
    });
    QObject::connect(toFirst, &QTimer::timeout, &window, [=] {
        hint->setCaption(QString::fromLatin1(FirstHint));
        toBattleRoyal->start(HintTurn);
        toFirst->stop();
    });
    toBattleRoyal->start(FirstHintTurn);
}

void acceptPastedNames(FormWindow &window)
{
    QList<QLineEdit *> boxes;
    for (const char *box : NameBoxes)
        boxes << window.widget<QLineEdit>(box);
    auto *names = new PasteNames(&window, window.shell().dialogs(), boxes);
    // The window's menu: the shown boxes take a roster's first names, in order.
    auto *loadRoster = new QAction(QObject::tr("Load Roster..."), &window);
    QObject::connect(loadRoster, &QAction::triggered, &window, [&window, names, boxes] {
        Shell &shell = window.shell();
        if (const auto roster = Roster::choose(&window, shell.dialogs(), shell.folders().documents))
            names->fill(boxes.first(), *roster);
    });
    window.addAction(loadRoster);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace

std::unique_ptr<QWidget> makeRandomWinners(Shell &shell)
{
    auto window = std::make_unique<FormWindow>(shell, Window, Rows);
    FormWindow &form = *window;
    connectMatchTypes(form);
    QObject::connect(form.widget<QAbstractButton>("Command1"), &QAbstractButton::clicked, &form,
                     [&form] { drawWinner(form); });
    startHints(form);
    acceptPastedNames(form);
    form.connectNavigation("Command2",
                           {{NavOp::Unload, WindowId::Random}, {NavOp::Show, WindowId::Main}});
    return window;
}
