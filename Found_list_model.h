#pragma once

#include "compact_path_list.h"

#include <QAbstractListModel>
#include <QElapsedTimer>

#include <string>
#include <string_view>

// The found list: the exact bytes of each path, decoded only for showing.
// Appended rows are stored at once but shown in batches, at most every 50 ms,
// as a view that repaints per row would make a large folder take minutes to
// list.
class Found_list_model : public QAbstractListModel {
    Q_OBJECT

public:
    explicit Found_list_model(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void Clear();
    void Append(std::string_view path);
    std::size_t Count() const { return paths_.size(); }
    std::string Item(std::size_t index) const { return paths_.at(index); }

    // Shows every appended row.
    void Publish();
    // Shows the appended rows when the last batch is old enough, and the
    // first row at once so that the user sees the run has started.
    void Publish_if_due();

private:
    static constexpr qint64 min_batch_interval_ms = 50;
    static constexpr std::size_t rows_per_interval_ms = 3000;

    quillot::Compact_path_list paths_;
    std::size_t shown_ = 0;
    QElapsedTimer since_last_batch_;
};
