// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmickgenerator.h"

#include "form.h"
#include "randomgenerator.h"

#include <QListWidget>

#include <algorithm>
#include <iterator>

using namespace Form;

namespace {

constexpr Look GimmickLook {"Arial Black", 12, false, White, NoFill, true};
constexpr Look GenerateLook {"MS Sans Serif", 9.75, true, Black, Blue};
constexpr Look ListLook {"MS Sans Serif", 8.25, true, Black, Blue};
constexpr Look BackLook {"Japan", 11.25, true, Black, Blue};

constexpr WindowSpec Window {"frmRoster", "Roster Organizer", 11880,
                             6015,        ButtonFace,         "gfx/background.jpg"};

// clang-format off
constexpr Row Rows[] = {
    { "lblCool",        Kind::Label,   "",         1560,  960,   75,  345, 1, &GimmickLook },
    { "cmdAddWrestler", Kind::Button,  "Generate", 1560, 1560, 1215,  495, 0, &GenerateLook },
    { "lstRoster",      Kind::ListBox, "",         1560, 2400, 4695, 2205, 2, &ListLook },
    { "Command1",       Kind::Button,  "Back",     1560, 4920, 1215,  495, 3, &BackLook },
};
// clang-format on

struct Gimmick
{
    int number;
    const char *text;
};

// Shown exactly as written, spelling and spacing included.
// clang-format off
constexpr Gimmick Gimmicks[] = {
    {  1, "Injured" },                    {  2, "Tough S.O.B." },
    {  3, "Sexy Boy" },                   {  4, "Texas Tough Guy" },
    {  5, "A People's Champ" },           {  6, "Strong Man" },
    {  7, "Deadman" },                    {  8, "Vampire" },
    {  9, "The Japanese Fighting Fish" }, { 10, "Clown" },
    { 11, "Tax - Man" },                  { 12, "Poultry" },
    { 13, "Phat Man" },                   { 14, "Rappers" },
    { 15, "Loner" },                      { 16, "Hillbilly" },
    { 17, "Cry Baby" },                   { 18, "Nerd" },
    { 19, "Superhero" },                  { 20, "Egoistic" },
    { 21, "Super Luchador" },             { 22, "Real Athlete" },
    { 23, "Bad-Ass Mofo" },               { 24, "Caveman" },
    { 25, "Furry Aliens" },               { 26, "Lumberjack" },
    { 27, "Religious Man" },              { 28, "Mummies" },
    { 29, "Ego Trip" },                   { 30, "Owner" },
    { 31, "Hollywood Grallin Style" },    { 32, "Movie Star" },
    { 33, "Wannabe Star" },               { 34, "A Mega Monster" },
    { 35, "Cult Leader" },                { 36, "Crazy S.O.B." },
    { 37, "Scizophrenic" },               { 38, "Hippy" },
    { 39, "Amish Guy" },                  { 40, "Race Car Driver" },
    { 41, "Extreme S.O.B." },             { 42, "Supertechnical" },
    { 43, "Gimmickless Wonder" },         { 44, "Biker" },
    { 45, "Stylist" },                    { 46, "Degenerate" },
    { 47, "Soul Man" },                   { 48, "Icon" },
    { 49, "Gangster" },                   { 50, "Censor" },
    { 51, "Protection for Money" },       { 52, "Mystery" },
    { 53, "Naked Man" },                  { 54, "Wild Men" },
    { 55, "Pretty boy heels" },           { 56, "Patriotic" },
    { 57, "Cowboy" },                     { 58, "Rock n' Rollers" },
    { 59, "Hyper" },                      { 60, "Blue Bloods / Snobs" },
    { 61, "Nature Boy" },                 { 62, "E.Morvanly" },
    { 63, "Perfectionist" },              { 65, "Poet" },
    { 66, "Genius" },                     { 67, "Avenger" },
    { 68, "Native American" },            { 69, "Hockey Player" },
    { 70, "Military Man" },               { 71, "Traitor" },
    { 72, "Drunk" },                      { 73, "Island Savage" },
    { 74, "Brat" },                       { 75, "Pimp" },
    { 76, "Motivational Speaker" },       { 77, "Millionaire" },
    { 78, "Agent" },                      { 79, "Risk Taker" },
    { 80, "Virginal" },                   { 81, "Teacher" },
    { 82, "Sumo" },                       { 83, "Singer" },
    { 84, "Religious" },                  { 85, "Rapper" },
};
// clang-format on

// What every number without a row shows: 64, and the two ends of the draw, 0 and 86.
constexpr const char *Unnumbered = "Psycho Path";

// The draw runs from 0 to this number.
constexpr int GimmickDraw = 86;

QString gimmickNumbered(int number)
{
    const auto found = std::find_if(std::begin(Gimmicks), std::end(Gimmicks),
                                    [number](const Gimmick &g) { return g.number == number; });
    return QString::fromUtf8(found != std::end(Gimmicks) ? found->text : Unnumbered);
}

class GimmickGenerator : public FormWindow
{
public:
    explicit GimmickGenerator(Shell &shell) : FormWindow(shell, Window, Rows)
    {
        connect(widget<QAbstractButton>("cmdAddWrestler"), &QAbstractButton::clicked, this,
                [this] { generate(); });
        connectNavigation("Command1",
                          {{NavOp::Unload, WindowId::Roster}, {NavOp::Show, WindowId::Main}});
    }

private:
    // The gimmick on show moves into the list before the next one is drawn, so the list's
    // first row is the empty label the window opened with.
    void generate()
    {
        auto *shown = widget<Form::Label>("lblCool");
        auto *list = widget<QListWidget>("lstRoster");
        list->addItem(shown->text());
        list->scrollToBottom();
        m_number = qint16(processRandom().scaledDraw(GimmickDraw));
        shown->setCaption(gimmickNumbered(m_number));
    }

    qint16 m_number = 0; // the last number drawn
};

} // namespace

std::unique_ptr<QWidget> makeGimmickGenerator(Shell &shell)
{
    return std::make_unique<GimmickGenerator>(shell);
}
