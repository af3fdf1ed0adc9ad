// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "dialogs.h"

#include <QAction>
#include <QBoxLayout>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

const QString Title = QStringLiteral("Kayfabe Kit Help");

// A heading's anchor as links to it name it: lower case, spaces as hyphens, other punctuation
// left out ("Drawing the field" is #drawing-the-field).
QString anchorOf(const QString &heading)
{
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            anchor += c;
        else if (c == u' ')
            anchor += u'-';
    }
    return anchor;
}

// Every heading becomes a link's target, and a list of the sections, each a link, heads the text.
void addAnchors(QTextDocument &document)
{
    QStringList sections;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({anchorOf(block.text())});
        cursor.mergeCharFormat(anchor);
        if (level == 2)
            sections << QStringLiteral("<li><a href=\"#%1\">%2</a></li>")
                                .arg(anchorOf(block.text()), block.text().toHtmlEscaped());
    }
    QTextCursor top(&document);
    top.insertHtml(QStringLiteral("<h1>%1</h1><ul>%2</ul>").arg(Title, sections.join(QString())));
}

} // namespace

Help::Help(Dialogs &dialogs) : m_dialogs(dialogs) { }

Help::~Help()
{
    delete m_window.data();
}

QString Help::text()
{
    QFile file(QStringLiteral(":/help/help.md"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void Help::offerIn(QWidget *window)
{
    connect(new QShortcut(QKeySequence(QKeySequence::HelpContents), window), &QShortcut::activated,
            this, &Help::show);
}

QWidget *Help::show()
{
    if (!m_window)
        build();
    m_browser->verticalScrollBar()->setValue(0);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

void Help::build()
{
    m_window = new QWidget;
    m_window->setObjectName(QStringLiteral("frmHelp"));
    m_window->setWindowTitle(Title);
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    m_browser = new QTextBrowser(m_window);
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setAccessibleName(Title);
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setMarkdown(text());
    addAnchors(*m_browser->document());
    auto *contents = new QPushButton(tr("&Contents"), m_window);
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QPushButton::clicked, this,
            [this] { m_browser->verticalScrollBar()->setValue(0); });
    auto *about = new QPushButton(tr("&About Kayfabe Kit"), m_window);
    about->setObjectName(QStringLiteral("helpAbout"));
    connect(about, &QPushButton::clicked, this, [this] { this->about(m_window); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(about);
    auto *layout = new QVBoxLayout(m_window);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    m_window->resize(760, 640);
}

void Help::about(QWidget *parent)
{
    m_dialogs.about(
            parent, tr("About Kayfabe Kit"),
            tr("<h3>Kayfabe Kit %1</h3>"
               "<p>A booker's toolbox for imaginary professional-wrestling shows: tournament "
               "brackets, round-robin blocks, random winners and gimmicks.</p>"
               "<p>Kayfabe Kit is free software, licensed under the GNU General Public License, "
               "version 3 or later (GPL-3.0-or-later), and comes with no warranty.</p>"
               "<p>Running on Qt %2.</p>"
               "<p>Its source is at <a href=\"%3\">%3</a>, and beside every package, as "
               "kayfabe-kit-%1.tar.xz.</p>")
                    .arg(QStringLiteral(KAYFABE_VERSION), QString::fromLatin1(qVersion()),
                         QStringLiteral(KAYFABE_HOMEPAGE)));
}
