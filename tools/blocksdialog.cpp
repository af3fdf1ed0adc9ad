// SPDX-License-Identifier: GPL-3.0-or-later
#include "blocksdialog.h"

#include "pastenames.h"
#include "randomgenerator.h"
#include "rosterchooser.h"
#include "shell.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using RoundRobin::Placing;

namespace {

QSpinBox *spinBox(QWidget *parent, const char *name, int from, int to, int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(from, to);
    box->setValue(value);
    return box;
}

QString counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(QString::number(count),
                                       QLatin1String(count == 1 ? one : many));
}

} // namespace

BlocksDialog::BlocksDialog(QWidget *parent, Shell &shell, const QStringList &names,
                           const Choices &choices)
    : QDialog(parent)
    , m_shell(shell)
    , m_blocks(spinBox(this, "rrBlockCount", 1, RoundRobin::MaxBlocks, choices.blocks))
    , m_perBlock(spinBox(this, "rrPerBlock", RoundRobin::SmallestBlock, RoundRobin::LargestBlock,
                         choices.perBlock))
    , m_listed(new QRadioButton(tr("As &listed"), this))
    , m_snake(new QRadioButton(tr("S&nake-seeded"), this))
    , m_shuffled(new QRadioButton(tr("&Shuffled"), this))
    , m_frame(this, QStringLiteral("rr"), tr("The blocks"), choicesLayout())
{
    setObjectName(QStringLiteral("drawBlocksDialog"));
    setWindowTitle(tr("Draw the Blocks"));
    setWindowModality(Qt::WindowModal);
    connect(m_frame.loadRoster, &QPushButton::clicked, this, &BlocksDialog::loadRoster);
    m_frame.names->setPlainText(names.join(u'\n'));
    m_frame.preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    resize(640, 480);
    (choices.placing == Placing::Snake              ? m_snake
             : choices.placing == Placing::Shuffled ? m_shuffled
                                                    : m_listed)
            ->setChecked(true);
    showPreview();
    connect(m_frame.names, &QPlainTextEdit::textChanged, this, &BlocksDialog::showPreview);
    for (QSpinBox *box : {m_blocks, m_perBlock})
        connect(box, &QSpinBox::valueChanged, this, &BlocksDialog::showPreview);
    for (QRadioButton *way : {m_listed, m_snake, m_shuffled})
        connect(way, &QRadioButton::toggled, this, &BlocksDialog::showPreview);
    m_frame.names->setFocus();
}

QLayout *BlocksDialog::choicesLayout()
{
    auto *sizes = new QFormLayout;
    sizes->addRow(tr("&Blocks:"), m_blocks);
    sizes->addRow(tr("&Wrestlers in a block:"), m_perBlock);
    m_blocks->setAccessibleName(tr("Blocks"));
    m_perBlock->setAccessibleName(tr("Wrestlers in a block"));
    m_listed->setObjectName(QStringLiteral("rrListed"));
    m_snake->setObjectName(QStringLiteral("rrSnake"));
    m_shuffled->setObjectName(QStringLiteral("rrShuffled"));
    auto *ways = new QGroupBox(tr("Place the names"), this);
    auto *waysLayout = new QVBoxLayout(ways);
    auto *group = new QButtonGroup(ways);
    for (QRadioButton *way : {m_listed, m_snake, m_shuffled}) {
        group->addButton(way);
        waysLayout->addWidget(way);
    }
    auto *choices = new QVBoxLayout;
    choices->addLayout(sizes);
    choices->addWidget(ways);
    return choices;
}

QStringList BlocksDialog::names() const
{
    return PasteNames::namesIn(m_frame.names->toPlainText());
}

BlocksDialog::Choices BlocksDialog::choices() const
{
    const Placing placing = m_snake->isChecked() ? Placing::Snake
            : m_shuffled->isChecked()            ? Placing::Shuffled
                                                 : Placing::Listed;
    return {m_blocks->value(), m_perBlock->value(), placing};
}

std::optional<QList<QStringList>> BlocksDialog::blocks(RandomGenerator &random) const
{
    const Choices chosen = choices();
    return RoundRobin::drawBlocks(names(), chosen.blocks, chosen.perBlock, chosen.placing, random);
}

void BlocksDialog::loadRoster()
{
    if (const auto roster = Roster::choose(this, m_shell.dialogs(), m_shell.folders().documents)) {
        m_frame.names->setPlainText(roster->join(u'\n'));
        m_frame.names->setFocus();
    }
}

// What OK would make now; a shuffle is drawn on a copy of the generator, which stays untouched.
void BlocksDialog::showPreview()
{
    RandomGenerator copy = processRandom();
    const std::optional<QList<QStringList>> drawn = blocks(copy);
    const Choices chosen = choices();
    const qsizetype count = names().size();
    const qsizetype in = RoundRobin::placed(int(count), chosen.blocks, chosen.perBlock);
    QStringList lines;
    for (qsizetype block = 0; drawn && block < drawn->size(); ++block)
        lines << tr("Block %1: %2")
                         .arg(RoundRobin::blockName(int(block)),
                              drawn->at(block).join(QStringLiteral(", ")));
    m_frame.preview->setPlainText(lines.join(u'\n'));
    const QString goIn = counted(in, "name goes in", "names go in");
    if (!drawn)
        m_frame.count->setText(tr("%1: too few for every block to hold %2 or more.")
                                       .arg(goIn, QString::number(RoundRobin::SmallestBlock)));
    else if (count > in)
        m_frame.count->setText(tr("%1, %2 left out.").arg(goIn, counted(count - in, "is", "are")));
    else
        m_frame.count->setText(tr("%1, none left out.").arg(goIn));
    m_frame.ok->setEnabled(drawn.has_value());
}
