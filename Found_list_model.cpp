#include "Found_list_model.h"

#include <algorithm>

Found_list_model::Found_list_model(QObject* parent) : QAbstractListModel(parent)
{
    since_last_batch_.start();
}

int Found_list_model::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant Found_list_model::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<std::size_t>(index.row()) >= shown_)
        return {};
    const std::string path = paths_.at(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

void Found_list_model::Clear()
{
    beginResetModel();
    paths_.clear();
    shown_ = 0;
    endResetModel();
    since_last_batch_.restart();
}

void Found_list_model::Append(std::string_view path)
{
    paths_.append(path);
}

void Found_list_model::Publish()
{
    if (shown_ == paths_.size())
        return;
    beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(paths_.size() - 1));
    shown_ = paths_.size();
    endInsertRows();
    since_last_batch_.restart();
}

void Found_list_model::Publish_if_due()
{
    // The view lays out all its rows again for every batch, so batches come
    // rarer as the list grows, which keeps that work a small share of the run.
    const auto interval_ms = std::max(min_batch_interval_ms, static_cast<qint64>(shown_ / rows_per_interval_ms));
    if (shown_ == 0 || since_last_batch_.hasExpired(interval_ms))
        Publish();
}
