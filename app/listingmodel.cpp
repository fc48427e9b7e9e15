#include "app/listingmodel.h"

#include "app/mainstate.h"
#include "app/qtext.h"

ListingModel::ListingModel(const MainState& state, QObject* parent)
    : QAbstractTableModel(parent), m_state(state), m_rowCount(state.gridRowCount()) {}

int ListingModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rowCount; }

int ListingModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant ListingModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return toQString(m_state.gridCell(index.row()));
}

void ListingModel::reload() {
    beginResetModel();
    m_rowCount = m_state.gridRowCount();
    endResetModel();
}
