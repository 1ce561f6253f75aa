#pragma once

#include <QAbstractFileIconProvider>
#include <QTreeView>

class QFileSystemModel;

// Every folder of the tree shows the same small folder picture.
class Folder_leaf_icons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
};

// The folder tree: the folders of the whole file system from "/", starting
// on the process's current directory. Choosing another folder makes it the
// current directory of the tree and of the process, then signals Change.
// Names are shown and reported as the file system spells them.
class TDirectoryOutline : public QTreeView {
    Q_OBJECT

public:
    explicit TDirectoryOutline(QWidget* parent = nullptr);

    // A full path, without a trailing "/" except for "/" itself.
    QString Directory() const { return directory_; }
    // Selects the folder at path, as a click on it would.
    void Select_directory(const QString& path);

signals:
    void Change();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Keep_current_in_view(const QModelIndex& parent);
    void Center_current();
    void Show_directory(const QString& path);
    void On_current_changed(const QModelIndex& current);

    Folder_leaf_icons icons_;
    QFileSystemModel* folders_;
    QString directory_;
    bool following_start_ = true;
};
