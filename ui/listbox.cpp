// SPDX-License-Identifier: GPL-3.0-or-later
#include "listbox.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

using Form::ListBox;

namespace {

void tellScreenReaders(QAbstractItemView *view, QAccessible::Event type, const QModelIndex &index)
{
    if (!QAccessible::isActive() || !index.isValid())
        return;
    QAccessibleEvent event(view, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
}

} // namespace

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListBox::rowHeight() const
{
    if (m_rowHeight == 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.text = QStringLiteral("Mg");
        option.features |= QStyleOptionViewItem::HasDisplay;
        m_rowHeight = std::max(
                1,
                style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this)
                        .height());
    }
    return m_rowHeight;
}

int ListBox::rowAt(int y) const
{
    return (y + verticalOffset()) / rowHeight();
}

QModelIndex ListBox::indexOfRow(int row) const
{
    return model()->index(row, 0, rootIndex());
}

QRect ListBox::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    return {0, index.row() * rowHeight() - verticalOffset(), viewport()->width(), rowHeight()};
}

QModelIndex ListBox::indexAt(const QPoint &point) const
{
    if (point.x() < 0 || point.x() >= viewport()->width() || point.y() < 0)
        return {};
    return indexOfRow(rowAt(point.y()));
}

void ListBox::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect row = visualRect(index);
    if (!row.isValid())
        return;
    const int height = viewport()->height();
    int top = verticalOffset();
    switch (hint) {
    case EnsureVisible:
        if (row.top() < 0)
            top += row.top();
        else if (row.bottom() >= height)
            top += row.bottom() + 1 - height;
        break;
    case PositionAtTop:
        top += row.top();
        break;
    case PositionAtBottom:
        top += row.bottom() + 1 - height;
        break;
    case PositionAtCenter:
        top += row.center().y() - height / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

// The rows' places follow from their numbers; only the scroll range needs working out.
void ListBox::doItemsLayout()
{
    QAbstractItemView::doItemsLayout();
}

void ListBox::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    scheduleDelayedItemsLayout();
}

void ListBox::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                          const QList<int> &roles)
{
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void ListBox::updateGeometries()
{
    const int height = viewport()->height();
    verticalScrollBar()->setRange(0, std::max(0, count() * rowHeight() - height));
    verticalScrollBar()->setPageStep(height);
    verticalScrollBar()->setSingleStep(rowHeight());
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void ListBox::scrollContentsBy(int, int)
{
    viewport()->update();
}

int ListBox::horizontalOffset() const
{
    return 0;
}

int ListBox::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool ListBox::isIndexHidden(const QModelIndex &) const
{
    return false;
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    if (count() == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const int page = std::max(1, viewport()->height() / rowHeight());
    int row = current;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        row = current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - page;
        break;
    case MovePageDown:
        row = current + page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count() - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return indexOfRow(std::clamp(row, 0, count() - 1));
}

void ListBox::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect box = rect.normalized();
    const int first = std::max(0, rowAt(box.top()));
    const int last = std::min(count() - 1, rowAt(box.bottom()));
    if (first > last) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(indexOfRow(first), indexOfRow(last)), command);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (range.parent() == rootIndex())
            region += visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
    }
    return region;
}

void ListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    tellScreenReaders(this, QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void ListBox::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    tellScreenReaders(this, QAccessible::SelectionAdd, selected.indexes().value(0));
    tellScreenReaders(this, QAccessible::SelectionRemove, deselected.indexes().value(0));
    QAbstractItemView::selectionChanged(selected, deselected);
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const int first = std::max(0, rowAt(event->rect().top()));
    const int last = std::min(count() - 1, rowAt(event->rect().bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = indexOfRow(row);
        option.rect = visualRect(index);
        option.state = base;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == currentIndex() && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
}

void ListBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = 0;
    QListWidget::changeEvent(event);
}
