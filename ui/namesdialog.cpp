// SPDX-License-Identifier: GPL-3.0-or-later
#include "namesdialog.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

NamesDialog::NamesDialog(QDialog *dialog, const QString &prefix, const QString &previewTitle,
                         QLayout *choices)
    : names(new QPlainTextEdit(dialog))
    , loadRoster(new QPushButton(QDialog::tr("Load &Roster..."), dialog))
    , preview(new QPlainTextEdit(dialog))
    , count(new QLabel(dialog))
{
    names->setObjectName(prefix + QStringLiteral("Names"));
    names->setAccessibleName(QDialog::tr("Names, one a line"));
    names->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *namesLabel = new QLabel(QDialog::tr("&Names, one a line:"), dialog);
    namesLabel->setBuddy(names);
    loadRoster->setObjectName(prefix + QStringLiteral("LoadRoster"));
    loadRoster->setAutoDefault(false);

    preview->setObjectName(prefix + QStringLiteral("Preview"));
    preview->setAccessibleName(previewTitle);
    preview->setReadOnly(true);
    preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview->setFocusPolicy(Qt::ClickFocus);
    count->setObjectName(prefix + QStringLiteral("Count"));
    count->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    ok = buttons->button(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
        QObject::connect(new QShortcut(QKeySequence(key), dialog), &QShortcut::activated, dialog,
                         [dialog, button = ok] {
                             if (button->isEnabled())
                                 dialog->accept();
                         });
    }

    auto *left = new QVBoxLayout;
    left->addWidget(namesLabel);
    left->addWidget(names, 1);
    left->addWidget(loadRoster, 0, Qt::AlignLeft);
    left->addLayout(choices);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(previewTitle + u':', dialog));
    right->addWidget(preview, 1);
    right->addWidget(count);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
}
