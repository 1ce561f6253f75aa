#include "Directory_outline.h"

#include "Form_style.h"

#include <QDir>
#include <QFileSystemModel>
#include <QIcon>
#include <QScrollBar>

namespace {

const QIcon& Folder_leaf()
{
    static const QIcon leaf(":/pictures/folder_leaf.xpm");
    return leaf;
}

}  // namespace

QIcon Folder_leaf_icons::icon(IconType) const
{
    return Folder_leaf();
}

QIcon Folder_leaf_icons::icon(const QFileInfo&) const
{
    return Folder_leaf();
}

TDirectoryOutline::TDirectoryOutline(QWidget* parent)
    : QTreeView(parent), folders_(new QFileSystemModel(this)), directory_(QDir::currentPath())
{
    folders_->setIconProvider(&icons_);
    folders_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
    folders_->setRootPath("/");
    setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        hideColumn(column);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize({14, 14});
    setFont(Windows_font(11));
    setSelectionMode(QAbstractItemView::SingleSelection);

    Show_directory(directory_);
    connect(folders_, &QFileSystemModel::rowsInserted, this, &TDirectoryOutline::Keep_current_in_view);
    // Sorting the folders that arrived reorders the rows without inserting any.
    connect(folders_, &QFileSystemModel::layoutChanged, this, &TDirectoryOutline::Center_current, Qt::QueuedConnection);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { following_start_ = false; });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TDirectoryOutline::On_current_changed);
}

void TDirectoryOutline::Select_directory(const QString& path)
{
    setCurrentIndex(folders_->index(path));
}

void TDirectoryOutline::Show_directory(const QString& path)
{
    const QModelIndex index = folders_->index(path);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        expand(parent);
    setCurrentIndex(index);
}

void TDirectoryOutline::Keep_current_in_view(const QModelIndex& parent)
{
    // The model reads folders in the background, so the start folder moves
    // down as the folders above it arrive; until the user scrolls or chooses.
    const QString loaded = folders_->filePath(parent);
    if (following_start_ && (loaded == "/" || directory_ == loaded || directory_.startsWith(loaded + '/')))
        QMetaObject::invokeMethod(this, &TDirectoryOutline::Center_current, Qt::QueuedConnection);
}

void TDirectoryOutline::showEvent(QShowEvent* event)
{
    QTreeView::showEvent(event);
    Center_current();
}

void TDirectoryOutline::Center_current()
{
    if (following_start_)
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TDirectoryOutline::On_current_changed(const QModelIndex& current)
{
    const QString path = folders_->filePath(current);
    if (!current.isValid() || path == directory_)
        return;
    directory_ = path;
    following_start_ = false;
    // A folder the process may not enter is still the tree's choice; the run
    // reads the full path from the field, never the process's directory.
    QDir::setCurrent(path);
    emit Change();
}
