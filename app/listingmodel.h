#pragma once

#include <QAbstractTableModel>

class MainState;

// The section listing as the grid shows it: one column, one listing row per grid row, read from the
// main state on demand so that a file of any number of sections lists at once.
class ListingModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListingModel(const MainState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The state holds a new listing: the grid shows it whole, in place of every row it showed.
    void reload();

private:
    const MainState& m_state;
    int m_rowCount;
};
