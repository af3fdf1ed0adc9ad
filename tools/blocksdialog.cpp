// SPDX-License-Identifier: GPL-3.0-or-later
#include "blocksdialog.h"

#include "pastenames.h"
#include "randomgenerator.h"
#include "rosterchooser.h"
#include "shell.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
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
    , m_names(new QPlainTextEdit(names.join(u'\n'), this))
    , m_blocks(spinBox(this, "rrBlockCount", 1, RoundRobin::MaxBlocks, choices.blocks))
    , m_perBlock(spinBox(this, "rrPerBlock", RoundRobin::SmallestBlock, RoundRobin::LargestBlock,
                         choices.perBlock))
    , m_listed(new QRadioButton(tr("As &listed"), this))
    , m_snake(new QRadioButton(tr("S&nake-seeded"), this))
    , m_shuffled(new QRadioButton(tr("&Shuffled"), this))
    , m_preview(new QPlainTextEdit(this))
    , m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("drawBlocksDialog"));
    setWindowTitle(tr("Draw the Blocks"));
    setWindowModality(Qt::WindowModal);
    build();
    (choices.placing == Placing::Snake              ? m_snake
             : choices.placing == Placing::Shuffled ? m_shuffled
                                                    : m_listed)
            ->setChecked(true);
    showPreview();
    connect(m_names, &QPlainTextEdit::textChanged, this, &BlocksDialog::showPreview);
    for (QSpinBox *box : {m_blocks, m_perBlock})
        connect(box, &QSpinBox::valueChanged, this, &BlocksDialog::showPreview);
    for (QRadioButton *way : {m_listed, m_snake, m_shuffled})
        connect(way, &QRadioButton::toggled, this, &BlocksDialog::showPreview);
    m_names->setFocus();
}

void BlocksDialog::build()
{
    m_names->setObjectName(QStringLiteral("rrNames"));
    m_names->setAccessibleName(tr("Names, one a line"));
    m_names->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *namesLabel = new QLabel(tr("&Names, one a line:"), this);
    namesLabel->setBuddy(m_names);
    auto *load = new QPushButton(tr("Load &Roster..."), this);
    load->setObjectName(QStringLiteral("rrLoadRoster"));
    load->setAutoDefault(false);
    connect(load, &QPushButton::clicked, this, &BlocksDialog::loadRoster);

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

    m_preview->setObjectName(QStringLiteral("rrPreview"));
    m_preview->setAccessibleName(tr("The blocks"));
    m_preview->setReadOnly(true);
    m_preview->setFocusPolicy(Qt::ClickFocus);
    m_count->setObjectName(QStringLiteral("rrCount"));
    m_count->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return starts a new line in the names box, so OK has a key that works everywhere.
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            if (m_ok->isEnabled())
                accept();
        });
    }

    auto *left = new QVBoxLayout;
    left->addWidget(namesLabel);
    left->addWidget(m_names, 1);
    left->addWidget(load, 0, Qt::AlignLeft);
    left->addLayout(sizes);
    left->addWidget(ways);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("The blocks:"), this));
    right->addWidget(m_preview, 1);
    right->addWidget(m_count);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(640, 480);
}

QStringList BlocksDialog::names() const
{
    return PasteNames::namesIn(m_names->toPlainText());
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
        m_names->setPlainText(roster->join(u'\n'));
        m_names->setFocus();
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
    m_preview->setPlainText(lines.join(u'\n'));
    const QString goIn = counted(in, "name goes in", "names go in");
    if (!drawn)
        m_count->setText(tr("%1: too few for every block to hold %2 or more.")
                                 .arg(goIn, QString::number(RoundRobin::SmallestBlock)));
    else if (count > in)
        m_count->setText(tr("%1, %2 left out.").arg(goIn, counted(count - in, "is", "are")));
    else
        m_count->setText(tr("%1, none left out.").arg(goIn));
    m_ok->setEnabled(drawn.has_value());
}
