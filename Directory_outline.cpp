#include "Directory_outline.h"

#include "Form_style.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIcon>

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
    // The model reads folders in the background: centre the start folder once
    // its siblings are there, and only then.
    const QString parent_path = QFileInfo(path).path();
    start_scroll_ = connect(folders_, &QFileSystemModel::directoryLoaded, this, [this, parent_path](const QString& loaded) {
        if (loaded != parent_path)
            return;
        disconnect(start_scroll_);
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TDirectoryOutline::On_current_changed(const QModelIndex& current)
{
    const QString path = folders_->filePath(current);
    if (!current.isValid() || path == directory_)
        return;
    directory_ = path;
    // A folder the process may not enter is still the tree's choice; the run
    // reads the full path from the field, never the process's directory.
    QDir::setCurrent(path);
    emit Change();
}
